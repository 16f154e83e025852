// The choosers of single questions: recycling, FTV types, and what happens when material runs
// out or falls short.
#include "fixture.hpp"
#include "selection/regular.hpp"

namespace halvorin::testing {
namespace {

TEST_F(SelectionTest, RecyclingNotesOnceAndThenReleasesTheQuizSectors) {
  // Only sector 1 has questions of the kind and the quiz has used it: recycling alone cannot
  // help, so the second recycling of the choice releases the quiz's sectors.
  for (char kind : {'R', 'F'}) {
    start("");
    layout({{1, 2, 2, 0, 0}, {1, 0, 0, 0, 0}}, 2, "Rn");
    open_lists();
    RunState& rs = prog->rs;
    rs.FQUIZ1 = 6;
    SelectionState state(rs);
    FINTYPES(*prog, state);
    for (rs.Q2 = 1; rs.Q2 <= 2; ++rs.Q2) {
      rs.C1 = rs.SECOND = rs.FLAG[2] = 1;
      rs.FLAG[1] = 0;
      kind == 'R' ? CHOOSEREF(*prog, state) : CHOOSEFIN(*prog, state);
      EXPECT_EQ(rs.SECTOR[1], 1);
    }
    if (kind == 'R') {
      EXPECT_EQ(row(5), "    Due to sectoring restrictions we must begin CV Ref repeats in quiz 1");
      EXPECT_EQ(row(6), "    Sectors or questions will be repeated in quiz 1");
    } else {
      EXPECT_EQ(rs.FQUIZ, 8);
      EXPECT_EQ(row(9), "  Due to sectoring restrictions FTV repeats begin in quiz 2");
    }
    std::string begin = kind == 'R' ? "CV Repeats begin quiz " : "FTV Repeats begin quiz ";
    EXPECT_EQ(notes(),
              (std::vector<std::string>{begin + "1", "Sectors or Questions repeated in quiz 1",
                                        begin + "2", "Sectors or Questions repeated in quiz 2"}));
  }
}

TEST_F(SelectionTest, UsedUpSectorRepeatsItsOwnQuestionsInsteadOfHanging) {
  layout(std::vector<SectorCounts>(3, {4, 0, 0, 0, 0}), 1, "nnn");
  open_lists();
  RunState& rs = prog->rs;
  for (int k = 1; k <= 4; ++k) rs.REGQUESTION(2, k) = false, rs.INT(2, k) = true;
  rs.QPS[2] = rs.FLAG[1] = rs.FLAG[3] = 0;
  rs.FLAG[2] = 1;
  rs.C1 = 2;
  SelectionState state(rs);
  CHOOSEQUE(*prog, state);
  EXPECT_EQ(rs.RSECTOR[2], 2);
  EXPECT_FALSE(rs.REGQUESTION(2, rs.RNUMBER[2]));
  EXPECT_EQ(rs.QPS[2], 3);
  EXPECT_EQ(rs.ITOT, 1);
  EXPECT_EQ(notes(), std::vector<std::string>{"Regular questions of sector 2 repeated in quiz 1"});
}

TEST_F(SelectionTest, MaterialThatCannotFillTheQuizIsRefusedWithFileAndLine) {
  struct Case {
    std::string pattern, file, content;  // question file rewritten shorter than its counts
    int line, or_line;                   // the missing line named
  };
  for (const Case& c : {Case{"Rn", "cv.b", "x\nx\nx\n", 4, 5},
                        Case{"nn", "Acts.b", "x\nx\nx\n 1: 1\ta\n 1: 2\tb\n 2: 1\tc\n", 7, 7},
                        Case{"On", "pat.txt", "", 1, 1}, Case{"nX", "pat.txt", "", 1, 1}}) {
    SCOPED_TRACE(c.pattern);
    start("");
    layout({{2, 0, 0, 0, 0}, {2, 0, 2, 0, 0}}, 1, c.pattern);
    if (!c.content.empty()) dir.write(c.file, c.content);
    try {
      assemble(1);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), c.file);
      EXPECT_TRUE(e.line() == c.line || e.line() == c.or_line) << e.what();
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
