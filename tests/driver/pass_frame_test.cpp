// The pass frame through the real program: the style list (with the heading) and its room, and
// bad input; expected screens and messages under golden/, bad input under cases/.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "config/bench.hpp"

namespace halvorin::testing {
namespace {

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
  TempDir dir;
  copy_demo(dir);
  std::string list = "Specs.lst=Weekly";
  for (int i = 2; i <= 14; ++i) list += "|Style" + std::to_string(i);
  change_file(dir, list + "|Enter New Specs");  // 15 lines: one more than the menu holds
  auto r = run_halvorin(dir, "Enter");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Specs.lst:15:"), std::string::npos) << r.err;
  change_file(dir, "Specs.lst:14=Enter New Specs;15");
  const std::vector<std::string> full = dir.lines("Specs.lst");
  // Choose Weekly, name it Extra, save: the list has no room for a fourteenth style.
  r = run_halvorin(dir, "Enter Down Down \"Extra\" Enter Esc Enter");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.row(3).find("The style list is full: Extra was saved but is not listed."),
            std::string::npos)
      << r.screen;
  EXPECT_TRUE(dir.exists("Extra.spe"));
  EXPECT_EQ(dir.lines("Specs.lst"), full);
}

TEST(BadInput, MissingAndBrokenFilesExitWithTwoAndName) {
  const std::string path = "driver/cases/bad-input.tsv";
  std::string said;
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    TempDir dir;
    if (c[0] != "none") copy_demo(dir), change_file(dir, c[0]);
    auto r = run_halvorin(dir, c[1] == "-" ? "" : c[1]);
    EXPECT_EQ(r.status, 2) << r.err;
    // The folder's name, which changes from run to run, as DIR.
    if (size_t at = r.err.find(dir.path()); at != std::string::npos)
      r.err.replace(at, dir.path().size(), "DIR");
    said += r.err;
  }
  expect_golden("driver/golden/bad-input.err", said);
}

// Each refused command line ends with status 64 and says why first, before the usage text; help
// and version end at once with status 0, whatever follows them.
TEST(CommandLine, RefusedLinesExitWith64AndSayWhy) {
  const std::string path = "driver/cases/command-line.tsv";
  // A line let through by mistake writes into a folder of its own.
  TempDir dir;
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    std::string cmd = shell_word(HALVORIN_BIN);
    std::istringstream words(c[0]);
    for (std::string w; words >> w;) cmd += " " + shell_word(w);
    const RunResult r = run_command(cmd);
    EXPECT_EQ(r.status, c.num(1)) << r.err;
    // The first line, without the CR of the line end the Windows build writes.
    std::string said = r.err.substr(0, r.err.find('\n'));
    if (!said.empty() && said.back() == '\r') said.pop_back();
    EXPECT_EQ(said, c[2] == "-" ? "" : c[2]);
    if (c.num(1) == 0) {
      EXPECT_NE(r.out, "");
    }
  }
  std::filesystem::current_path(was);
}

}  // namespace
}  // namespace halvorin::testing
