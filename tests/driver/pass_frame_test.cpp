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

TEST(BadInput, MissingAndBrokenFilesExitWithTwoAndName) {
  struct Case {
    const char* what;
    std::function<void(const TempDir&)> damage;
    const char* keys;
    const char* message;
  } cases[] = {
      {"no style list", [](const TempDir& d) { d.remove("Specs.lst"); }, "Enter",
       "Specs.lst:0: file not found"},
      {"no style file", [](const TempDir& d) { d.remove("Weekly.spe"); }, "Enter",
       "Weekly.spe:0: file not found"},
      {"no template", [](const TempDir& d) { d.remove("New.spe"); }, "Up Up Enter",
       "New.spe:0: file not found"},
      {"non-number in a style",
       [](const TempDir& d) {
         auto l = d.lines("Weekly.spe");
         l[6] = "twenty";
         d.write_lines("Weekly.spe", l);
       },
       "Enter", "Weekly.spe:7: expected a number"},
      {"short verse table",
       [](const TempDir& d) {
         d.write_lines("Verses.txt", {"26", "47", "26"});
       },
       "Enter Esc Enter", "Verses.txt:4: the verse table needs 28 lines"},
      {"output name with a path",
       [](const TempDir& d) {
         auto l = d.lines("Weekly.spe");
         l[3] = "../out";
         d.write_lines("Weekly.spe", l);
       },
       "Enter Esc Enter", "Weekly.spe:4: '../out' is not a plain file name"},
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

}  // namespace
}  // namespace halvorin
