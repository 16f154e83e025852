// The combination menu, the quiz loop with its used-question list and notes, and quizzes that
// use a sector twice.
#include <set>

#include "driver/steps.hpp"
#include "selection/listing.hpp"
#include "selection_fixture.hpp"

namespace halvorin::testing {
namespace {

TEST_F(SelectionTest, CombinationMenuWrapsAndTurnsTheChoiceOver) {
  struct Case {
    const char* keys;
    Step step;
    int v;  // 2 automatic, 1 approve each quiz
  };
  for (Case c :
       {Case{"Enter", Step::Continue, 2}, Case{"Down Enter", Step::Continue, 1},
        Case{"Up Enter", Step::Continue, 1}, Case{"Down Down Enter", Step::Continue, 2},
        Case{"\"x\" Down Up Enter", Step::Continue, 2}, Case{"Down Esc", Step::StartOver, 2}}) {
    SCOPED_TRACE(c.keys);
    Program& p = start(c.keys);
    EXPECT_EQ(choose_combination_mode(p), c.step);
    if (c.step == Step::Continue) {
      EXPECT_EQ(p.rs.V, c.v);
    }
  }
  // The selected line is drawn white on red, the other yellow on blue.
  Program& p = start("Down");
  EXPECT_THROW(choose_combination_mode(p), ScriptEnded);
  EXPECT_EQ(row(3), std::string(15, ' ') + "Run specialty combinations automatically");
  EXPECT_EQ(row(4), std::string(15, ' ') + "Approve specialty combinations for each quiz");
  EXPECT_EQ(p.con.cell(16, 4).fg, 15);
  EXPECT_EQ(p.con.cell(16, 4).bg, 4);
  EXPECT_EQ(p.con.cell(16, 3).fg, 14);
  EXPECT_EQ(p.con.cell(16, 3).bg, 1);
}

TEST_F(SelectionTest, QuizLoopWritesThirtyThreeLinesPerQuizThenTheNotes) {
  for (int minqz : {2, 100}) {
    SCOPED_TRACE("MINQZ " + std::to_string(minqz));
    Program& p = start("");
    layout(std::vector<SectorCounts>(5, {4, 2, 2, 2, 2}), 3, "nFnRn");
    RunState& rs = p.rs;
    rs.MINQZ = minqz;
    rs.INFFILE = "week.inf";
    rs.QUIFILE = "week.qui";
    rs.OUT = 'T';
    rs.NAME = "Week";
    rs.F8 = std::make_unique<TextWriter>(rs.QUIFILE, TextWriter::Mode::Create);
    ASSERT_EQ(make_quizzes(p), Step::Continue);
    EXPECT_EQ(rs.MINQZ1, minqz);
    rs.F8->close();
    rs.F10->close();
    auto inf = dir.lines("week.inf");
    ASSERT_EQ(inf.size(), 3u * 33 + 1);
    for (int q = 0; q < 3; ++q) {
      auto block = std::vector<std::string>(inf.begin() + q * 33, inf.begin() + q * 33 + 33);
      EXPECT_EQ(block[0], inf_heading(q + 1));
      for (int pos = 1; pos <= 5; ++pos) {
        EXPECT_EQ(block[static_cast<size_t>(pos + 1)].substr(0, 5), fmt_int(pos, 4) + ".");
        EXPECT_EQ(block[static_cast<size_t>(pos + 1)].size(), pos == 4 ? 47u : 73u);
      }
      for (size_t i = 7; i < 33; ++i) EXPECT_EQ(block[i], "");
    }
    EXPECT_EQ(inf.back(), minqz == 2 ? "Regular Question Repeats begin quiz 3" : "");
  }
}

TEST_F(SelectionTest, EveryRegularPositionReadsItsOwnQuestionWhenTwoShareASector) {
  layout(std::vector<SectorCounts>(3, {3, 0, 0, 0, 0}), 1, "nnn");
  RunState& rs = prog->rs;
  SelectionState state(rs);
  rs.RSECTOR[1] = 2;
  rs.RSECTOR[2] = 3;
  rs.RSECTOR[3] = 2;  // the second question of sector 2 in this quiz
  state.number_at[1] = 3;
  state.number_at[2] = 1;
  state.number_at[3] = 1;
  read_regular_texts(rs, state);
  EXPECT_EQ(rs.ALL[1].substr(0, 5), " 2: 3");
  EXPECT_EQ(rs.ALL[2].substr(0, 5), " 3: 1");
  EXPECT_EQ(rs.ALL[3].substr(0, 5), " 2: 1");
}

TEST_F(SelectionTest, SpecialtyAndRegularQuestionsOfOneSectorKeepTheirOwnNumbers) {
  // CO Refs lie only in the sectors that the CV Ref and the SIT take, so the CO Ref choice has to
  // release the quiz's sectors; a regular question may then come from a specialty's sector.
  int shared = 0;
  for (uint64_t seed = 1; seed <= 40 && shared < 3; ++seed) {
    start("", seed);
    std::vector<SectorCounts> sectors(8, {9, 0, 0, 0, 0});
    sectors[0] = {9, 0, 1, 2, 0};
    sectors[1] = {9, 0, 0, 2, 1};
    layout(sectors, 1, "RSOnnnnn");
    auto q = assemble(1)[0];
    notes();
    std::set<int> regular_sectors;
    for (int pos = 4; pos <= 8; ++pos) regular_sectors.insert(q.sector[static_cast<size_t>(pos)]);
    if (!regular_sectors.count(q.sector[1]) && !regular_sectors.count(q.sector[2])) continue;
    ++shared;
    auto inf = dir.lines("test.inf");
    for (int pos = 1; pos <= 8; ++pos) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " position " + std::to_string(pos));
      const std::string& line = inf[static_cast<size_t>(pos + 1)];
      int number = q.number[static_cast<size_t>(pos)];
      EXPECT_EQ(line.substr(9, 4), fmt_int(number, 4));
      EXPECT_EQ(line.substr(17, 5), ref(q.sector[static_cast<size_t>(pos)], number));
    }
  }
  EXPECT_GT(shared, 0);
}

}  // namespace
}  // namespace halvorin::testing
