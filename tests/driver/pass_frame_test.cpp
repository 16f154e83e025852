// The pass frame through the real program: the style list (with the heading) and its room, and
// bad input; expected screens and messages under golden/.
#include <gtest/gtest.h>

#include <functional>

#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::copy_demo;
using testing::expect_golden;
using testing::run_halvorin;
using testing::TempDir;

// The list with its second entry chosen; Shift-D deletes a style's name and line (lower-case d,
// and Shift-D on "Enter New Specs" or "Exit", change nothing; "8" and "2" move as the arrows do;
// Up from the first entry wraps to "Exit"); choosing "Exit" writes the hand-over file and ends.
TEST(StyleList, ShowsEveryEntryDeletesAStyleAndExits) {
  TempDir dir;
  copy_demo(dir);
  auto r = run_halvorin(dir, "Down");  // the script ends on the list: status 3
  EXPECT_EQ(r.status, 3);
  expect_golden("driver/golden/style-list.screen", r.screen + r.colors);
  r = run_halvorin(dir, "\"d\" Up \"D\" Up \"D\" \"2\" \"2\" Down \"D\" \"8\" Enter");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(dir.read("temp2.txt"), "Exit");  // no line end
  EXPECT_EQ(dir.lines("Specs.lst"),
            (std::vector<std::string>{"Weekly", "Fixed", "Junior", "Enter New Specs"}));
  EXPECT_TRUE(dir.exists("Chapters.spe"));  // the style's own file is kept
}

// A list file longer than the menu holds is refused; a full list keeps a newly named style's
// file without dropping or overflowing anything.
TEST(StyleList, ALongerListIsRefusedAndAFullListStillSavesTheStyle) {
  auto list = [](int styles) {
    std::vector<std::string> l{"Weekly"};
    for (int i = 2; i <= styles; ++i) l.push_back("Style" + std::to_string(i));
    l.push_back("Enter New Specs");
    return l;
  };
  TempDir dir;
  copy_demo(dir);
  dir.write_lines("Specs.lst", list(14));  // 15 lines: one more than the menu holds
  auto r = run_halvorin(dir, "Enter");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Specs.lst:15:"), std::string::npos) << r.err;
  dir.write_lines("Specs.lst", list(13));
  // Choose Weekly, name it Extra, save: the list has no room for a fourteenth style.
  r = run_halvorin(dir, "Enter Down Down \"Extra\" Enter Esc Enter");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.row(3).find("The style list is full: Extra was saved but is not listed."),
            std::string::npos)
      << r.screen;
  EXPECT_TRUE(dir.exists("Extra.spe"));
  EXPECT_EQ(dir.lines("Specs.lst"), list(13));
}

// Every failure ends with status 2 and a message naming the file, the line and (in a style file)
// the field as the form labels it. The files every run reads are checked before the first screen:
// with no keys at all the run ends there with status 2, not on a screen waiting for a key (3).
// The messages, one case after another, are in golden/bad-input.err.
TEST(BadInput, MissingAndBrokenFilesExitWithTwoAndName) {
  using Damage = std::function<void(const TempDir&)>;
  auto remove = [](const char* file) { return [=](const TempDir& d) { d.remove(file); }; };
  auto replace = [](const char* file, size_t at, const char* text) {
    return [=](const TempDir& d) {
      auto l = d.lines(file);
      l[at] = text;
      d.write_lines(file, l);
    };
  };
  const std::pair<Damage, const char*> cases[] = {
      {remove("Specs.lst"), ""},
      {remove("Verses.txt"), ""},
      {[](const TempDir& d) {
         d.write_lines("Verses.txt", {"26", "47"});
       },
       ""},
      {remove("New.spe"), ""},
      {replace("New.spe", 4, "x"), ""},
      {remove("Weekly.spe"), "Enter"},
      {replace("Weekly.spe", 11, "twelve"), "Enter"},
      {replace("Weekly.spe", 2, "28 end"), "Enter"},
      {[](const TempDir& d) {
         auto l = d.lines("Weekly.spe");
         l.resize(27);
         d.write_lines("Weekly.spe", l);
       },
       "Enter"},
      {replace("Weekly.spe", 3, "../out"), "Enter Esc Enter"},
  };
  // The message with the folder's name, which changes from run to run, as DIR.
  auto without = [](std::string err, const TempDir& dir) {
    if (size_t at = err.find(dir.path()); at != std::string::npos)
      err.replace(at, dir.path().size(), "DIR");
    return err;
  };
  std::string said;
  for (const auto& [damage, keys] : cases) {
    TempDir dir;
    copy_demo(dir);
    damage(dir);
    auto r = run_halvorin(dir, keys);
    EXPECT_EQ(r.status, 2) << r.err;
    said += without(r.err, dir);
  }
  // A folder that is not a league folder says so and names both ways out.
  TempDir empty;
  auto r = run_halvorin(empty, "");
  EXPECT_EQ(r.status, 2);
  said += without(r.err, empty);
  expect_golden("driver/golden/bad-input.err", said);
}

}  // namespace
}  // namespace halvorin
