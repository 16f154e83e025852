// Regular question choice: distance from the neighbours' sectors, forced sector repeats, used
// questions and sectors that run out.
#include "selection/regular.hpp"

#include "selection_fixture.hpp"

namespace halvorin::testing {
namespace {

TEST_F(SelectionTest, FirstStageKeepsMoreThanFiveSectorsFromBothNeighbours) {
  struct Case {
    int pos, before, after;  // the position and its neighbours' sectors (99: not filled yet)
    int lo, hi;              // sectors the first stage may never take
  };
  for (Case c :
       {Case{2, 3, 99, 1, 8}, Case{1, 0, 99, 1, 5}, Case{30, 99, 0, 1, 5}, Case{5, 8, 12, 3, 17}}) {
    SCOPED_TRACE("position " + std::to_string(c.pos));
    layout(std::vector<SectorCounts>(30, {3, 0, 0, 0, 0}), 1, std::string(30, 'n'));
    open_lists();
    RunState& rs = prog->rs;
    rs.REPEATPCT = 100;
    SelectionState state(rs);
    for (int trial = 0; trial < 200; ++trial) {
      for (int s = 1; s <= 30; ++s) rs.SECTOR[s] = 99;
      if (c.pos > 1) rs.SECTOR[c.pos - 1] = c.before;
      if (c.pos < 30) rs.SECTOR[c.pos + 1] = c.after;
      for (int s = 1; s <= 30; ++s) rs.FLAG[s] = 1;
      rs.C1 = c.pos;
      CHOOSEQUE(*prog, state);
      int s = rs.RSECTOR[c.pos];
      EXPECT_TRUE(s < c.lo || s > c.hi) << "took sector " << s;
      EXPECT_EQ(rs.SECTOR[c.pos], s);
      EXPECT_EQ(rs.QN[s], c.pos);
    }
    notes();
  }
}

TEST_F(SelectionTest, ForcedSectorRepeatIsReportedAndNeverUsesItsQuestionUp) {
  for (int spmin : {1, 0}) {
    SCOPED_TRACE("SPMIN " + std::to_string(spmin));
    start("");
    layout(std::vector<SectorCounts>(4, {3, 0, 0, 0, 0}), 2, "nnnn");
    open_lists();
    RunState& rs = prog->rs;
    rs.SPMIN = spmin;
    rs.Q2 = 2;
    rs.C1 = 4;
    for (int s = 1; s <= 4; ++s) rs.FLAG[s] = 0;  // every sector already used by the quiz
    SelectionState state(rs);
    CHOOSEQUE(*prog, state);
    for (int s = 1; s <= 4; ++s)
      for (int k = 1; k <= 3; ++k) EXPECT_TRUE(rs.REGQUESTION(s, k));
    auto n = notes();
    if (spmin == 0) {
      EXPECT_TRUE(n.empty());
    } else {
      ASSERT_FALSE(n.empty());
      for (auto& line : n) EXPECT_EQ(line, "Sectors repeat Quest 4 Quiz 2");
      EXPECT_EQ(row(5), "    << Sectors repeat Quiz 2 **Check this quiz** >>");
      EXPECT_EQ(rs.FIX, 2);
    }
  }
}

TEST_F(SelectionTest, UsedUpSectorRepeatsItsOwnQuestionsInsteadOfHanging) {
  layout(std::vector<SectorCounts>(3, {4, 0, 0, 0, 0}), 1, "nnn");
  open_lists();
  RunState& rs = prog->rs;
  for (int k = 1; k <= 4; ++k) rs.REGQUESTION(2, k) = false;
  rs.QPS[2] = 0;
  rs.INT(2, 1) = rs.INT(2, 2) = rs.INT(2, 3) = rs.INT(2, 4) = true;
  rs.FLAG[1] = rs.FLAG[3] = 0;
  rs.FLAG[2] = 1;
  rs.C1 = 2;
  rs.ITOT = 0;
  SelectionState state(rs);
  CHOOSEQUE(*prog, state);
  EXPECT_EQ(rs.RSECTOR[2], 2);
  int n = rs.RNUMBER[2];
  EXPECT_TRUE(n >= 1 && n <= 4);
  EXPECT_FALSE(rs.REGQUESTION(2, n));
  EXPECT_EQ(rs.QPS[2], 3);
  EXPECT_EQ(rs.ITOT, 1);
  EXPECT_EQ(notes(), std::vector<std::string>{"Regular questions of sector 2 repeated in quiz 1"});
}

}  // namespace
}  // namespace halvorin::testing
