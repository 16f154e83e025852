// The pass frame: file names, the verse table, the heading and the style list through the real
// program.
#include <gtest/gtest.h>

#include "driver/pass.hpp"
#include "driver/screens.hpp"
#include "support/harness.hpp"

namespace halvorin {
namespace {

using testing::copy_demo;
using testing::run_halvorin;
using testing::TempDir;

TEST(FileNames, FtvAndCountFilesFollowThePercentLevelAndList) {
  struct Case {
    int primpct;
    char lg, reglst;
    const char* ftv;
    const char* count;
  } cases[] = {{100, 'F', 'A', "FTV.00", "count.00A"},
               {5, 'L', 'b', "LLFTV.05", "LLcount.05b"},
               {59, 'l', 'C', "FTV.59", "count.59C"}};
  ScriptTerminal term({});
  for (const auto& c : cases) {
    Program p(term, 1);
    p.cu.PRIMPCT = c.primpct;
    p.rs.LG = c.lg;
    p.cu.REGLST = c.reglst;
    name_ftv_and_count_files(p);
    EXPECT_EQ(p.rs.FTVFILE, c.ftv);
    EXPECT_EQ(p.rs.COUNTFILE, c.count);
    EXPECT_EQ(p.rs.NAME7, c.count);
  }
}

TEST(Heading, RowsOneAndTwentyFiveAreWhiteAndTheRestBlue) {
  ScriptTerminal term({});
  Program p(term, 1);
  WRITEHDG(p.con);
  EXPECT_EQ(p.con.row_text(1).substr(0, 13), "  Halvorin 23");
  EXPECT_EQ(p.con.row_text(1).substr(54, 18), "              Acts");
  EXPECT_EQ(p.con.row_text(25).substr(0, 13), "  TAMR       ");
  EXPECT_EQ(p.con.cell(3, 1).fg, 4);   // the first letter of the name in red
  EXPECT_EQ(p.con.cell(4, 1).fg, 0);   // the rest in black
  EXPECT_EQ(p.con.cell(11, 1).fg, 4);  // the version in red
  for (int col : {1, 40, 80}) {
    EXPECT_EQ(p.con.cell(col, 1).bg, 15);
    EXPECT_EQ(p.con.cell(col, 25).bg, 15);
    EXPECT_EQ(p.con.cell(col, 12).bg, 1);
  }
  EXPECT_EQ(p.con.textcolor(), 14);
  EXPECT_EQ(p.con.textbackground(), 1);
}

TEST(StyleList, ShowsEveryEntryAndHighlightsTheChosenOne) {
  TempDir dir;
  copy_demo(dir);
  auto r = run_halvorin(dir, "Down");  // the script ends on the list: status 3
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("style list"), std::string::npos);
  EXPECT_EQ(r.row(3), "            Press Return to Choose a Quiz Style or Shift-D to Delete" +
                          std::string(12, ' '));
  EXPECT_EQ(r.row(6).substr(32, 15), "Weekly         ");
  EXPECT_EQ(r.row(10).substr(32, 15), "Enter New Specs");
  EXPECT_EQ(r.row(11).substr(32, 15), "Exit           ");
  EXPECT_EQ(r.bg(33, 7), 4);  // second entry highlighted, white on red
  EXPECT_EQ(r.fg(33, 7), 15);
  EXPECT_EQ(r.bg(33, 6), 1);
}

// Shift-D deletes a style's name and line; choosing "Exit" writes the hand-over file and ends.
TEST(StyleList, ShiftDDeletesOnlyAStyleNameAndItsLineAndExitEnds) {
  TempDir dir;
  copy_demo(dir);
  auto before = dir.lines("Specs.lst");
  // Lower-case d, and Shift-D on "Enter New Specs" or "Exit", change nothing; "8" and "2" move
  // as the arrows do, and Up from the first entry wraps to "Exit".
  auto r = run_halvorin(dir, "\"d\" Up \"D\" Up \"D\" \"2\" \"2\" Down \"D\" \"8\" Enter");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(dir.read("temp2.txt"), "Exit");  // no line end
  auto after = dir.lines("Specs.lst");
  ASSERT_EQ(after.size(), before.size() - 1);
  EXPECT_EQ(after, (std::vector<std::string>{"Weekly", "Fixed", "Junior", "Enter New Specs"}));
  EXPECT_TRUE(dir.exists("Chapters.spe"));  // the style's own file is kept
}

// Every failure ends with status 2 and a message naming the file, the line and (in a style file)
// the field as the form labels it. The files every run reads are checked before the first screen:
// with no keys at all the run ends there with status 2, not on a screen waiting for a key (3).
TEST(BadInput, MissingAndBrokenFilesExitWithTwoAndName) {
  auto replace_line = [](const char* file, size_t at, const char* text) {
    return [=](const TempDir& d) {
      auto l = d.lines(file);
      l[at] = text;
      d.write_lines(file, l);
    };
  };
  struct Case {
    const char* what;
    std::function<void(const TempDir&)> damage;
    const char* keys;
    const char* message;
  } cases[] = {
      {"no style list", [](const TempDir& d) { d.remove("Specs.lst"); }, "",
       "Specs.lst:0: file not found"},
      {"no verse table", [](const TempDir& d) { d.remove("Verses.txt"); }, "",
       "Verses.txt:0: file not found"},
      {"short verse table",
       [](const TempDir& d) {
         d.write_lines("Verses.txt", {"26", "47"});
       },
       "", "Verses.txt:3: the verse table needs 28 lines"},
      {"no template", [](const TempDir& d) { d.remove("New.spe"); }, "",
       "New.spe:0: file not found"},
      {"broken template", replace_line("New.spe", 4, "x"), "",
       "New.spe:5: Lines/Pg: expected a number"},
      {"no style file", [](const TempDir& d) { d.remove("Weekly.spe"); }, "Enter",
       "Weekly.spe:0: file not found"},
      {"non-number in a style", replace_line("Weekly.spe", 11, "twelve"), "Enter",
       "Weekly.spe:12: Number of Quizzes in this Run: expected a number"},
      {"second number of a line", replace_line("Weekly.spe", 2, "28 end"), "Enter",
       "Weekly.spe:3: End Ver: expected a number"},
      {"style cut short",
       [](const TempDir& d) {
         auto l = d.lines("Weekly.spe");
         l.resize(27);
         d.write_lines("Weekly.spe", l);
       },
       "Enter", "Set Specialty Quest nos (y/n): the style file ends early"},
      {"output name with a path", replace_line("Weekly.spe", 3, "../out"), "Enter Esc Enter",
       "Weekly.spe:4: '../out' is not a plain file name"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    copy_demo(dir);
    c.damage(dir);
    auto r = run_halvorin(dir, c.keys);
    EXPECT_EQ(r.status, 2) << c.what << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
  }
}

// A folder that is not a league folder says so and names both ways out.
TEST(BadInput, AnEmptyFolderPointsToMinusCAndInit) {
  TempDir dir;
  auto r = run_halvorin(dir, "");
  EXPECT_EQ(r.status, 2);
  for (const char* hint :
       {"Specs.lst:0: file not found", "halvorin -C FOLDER", "halvorin --init FOLDER"})
    EXPECT_NE(r.err.find(hint), std::string::npos) << hint << "\n" << r.err;
}

}  // namespace
}  // namespace halvorin
