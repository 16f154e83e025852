// Quiz assembly: sectors and kinds per position, regular recycling, the interrogative share, the
// combination approval and the used-question list.
#include <map>
#include <set>
#include <tuple>

#include "selection/listing.hpp"
#include "selection_fixture.hpp"

namespace halvorin::testing {
namespace {

std::vector<SectorCounts> uniform(int sectors, SectorCounts c) {
  return std::vector<SectorCounts>(static_cast<size_t>(sectors), c);
}

// The kind a question line belongs to, from the fields the fixture writes.
char kind_of_line(const std::string& line) {
  if (line.find("\tCV\t") != std::string::npos) return 'R';
  if (line.find("\tCO\t") != std::string::npos) return 'O';
  if (line.find("\tFT") != std::string::npos) return 'F';
  if (line.find("*someone") != std::string::npos) return 'S';
  if (line.find("Who was in sector") != std::string::npos) return 'n';
  return '?';
}

TEST_F(SelectionTest, EveryQuizTakesOneQuestionPerSectorOfItsPositionsKind) {
  layout(uniform(10, {12, 6, 6, 6, 6}), 12, "nFRnOSnnFRnnnnnnnnnnnnnnnnnnnn");
  auto quizzes = assemble(12);
  for (size_t q = 0; q < quizzes.size(); ++q) {
    std::set<int> used;
    for (int pos = 1; pos <= 10; ++pos) {
      const std::string& line = quizzes[q].line[static_cast<size_t>(pos)];
      int s = quizzes[q].sector[static_cast<size_t>(pos)];
      EXPECT_TRUE(used.insert(s).second) << "quiz " << q + 1 << " uses sector " << s << " twice";
      EXPECT_EQ(kind_of_line(line), quizzes[q].pattern[static_cast<size_t>(pos - 1)])
          << "quiz " << q + 1 << " position " << pos << ": " << line;
      EXPECT_EQ(line.substr(0, 5), ref(s, quizzes[q].number[static_cast<size_t>(pos)]))
          << "the line read is not the one the numbering gives";
    }
  }
  EXPECT_EQ(notes(), std::vector<std::string>{});
}

TEST_F(SelectionTest, RepeatPercentDecidesWhetherQuestionsAreUsedUp) {
  for (int pct : {0, 100}) {
    start("", 5 + static_cast<uint64_t>(pct));
    layout(uniform(6, {8, 4, 4, 4, 4}), 8, "FRnOSnnnnnnnnnnnnnnnnnnnnnnnnn");
    prog->rs.REPEATPCT = pct;
    auto quizzes = assemble(4);
    std::set<std::tuple<char, int, int>> seen;
    bool repeated = false;
    for (auto& q : quizzes)
      for (int pos = 1; pos <= 6; ++pos)
        repeated |=
            !seen.insert({q.pattern[static_cast<size_t>(pos - 1)],
                          q.sector[static_cast<size_t>(pos)], q.number[static_cast<size_t>(pos)]})
                 .second;
    RunState& rs = prog->rs;
    int unavailable = 0;
    for (int s = 1; s <= 6; ++s) {
      for (int k = 1; k <= 8; ++k) unavailable += !rs.REGQUESTION(s, k);
      for (int k = 1; k <= 4; ++k)
        unavailable +=
            !rs.FINISH(s, k) + !rs.REFERENCE(s, k) + !rs.ONLY(s, k) + !rs.SITUATION(s, k);
    }
    if (pct == 0) {
      EXPECT_FALSE(repeated) << "a question came back before any recycling";
      EXPECT_EQ(unavailable, 4 * 6);
    } else {
      EXPECT_EQ(unavailable, 0) << "REPEATPCT 100 marked a question used";
    }
    notes();
  }
}

TEST_F(SelectionTest, RegularQuestionsRecycleAfterMinqzAndEveryMinqz1MinusOneQuizzes) {
  layout(uniform(5, {20, 0, 0, 0, 0}), 10, "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnn");
  prog->rs.MINQZ = prog->rs.MINQZ1 = 3;
  assemble(10);
  EXPECT_EQ(notes(), (std::vector<std::string>{"Regular Question Repeats begin quiz 4",
                                               "Regular Question Repeats begin quiz 6",
                                               "Regular Question Repeats begin quiz 8",
                                               "Regular Question Repeats begin quiz 10"}));
  EXPECT_EQ(prog->rs.MINQZ, 11);
  EXPECT_NE(prog->con.text().find("**Out of Regular Questions...Using Repeats beginning quiz 10**"),
            std::string::npos);
}

TEST_F(SelectionTest, InterrogativeShareIsMetOrAbandoned) {
  struct Case {
    int ipc;
    int every;  // every k-th regular question of a sector is interrogative (0: none)
    int want;   // interrogatives wanted among the quiz's 7 regular positions
    bool abandoned;
  };
  for (Case c : {Case{0, 2, 0, false}, Case{30, 2, 2, false}, Case{100, 2, 7, false},
                 Case{50, 1, 7, false}, Case{0, 1, 0, true}}) {
    SCOPED_TRACE("IPC " + std::to_string(c.ipc) + ", every " + std::to_string(c.every));
    start("", 21);
    layout(uniform(9, {12, 0, 2, 2, 0}), 6, "nRnnOnnnnnnnnnnnnnnnnnnnnnnnnn");
    RunState& rs = prog->rs;
    rs.IPC = c.ipc;
    rs.REPEATPCT = 100;
    for (int s = 1; s <= 9; ++s)
      for (int k = 1; k <= 12; ++k) rs.INT(s, k) = c.every != 0 && k % c.every == 0;
    auto quizzes = assemble(6);
    for (size_t q = 0; q < quizzes.size(); ++q) {
      if (c.abandoned) break;
      int count = 0;
      for (int pos = 1; pos <= 9; ++pos)
        if (quizzes[q].pattern[static_cast<size_t>(pos - 1)] == 'n')
          count += rs.INT(quizzes[q].sector[static_cast<size_t>(pos)],
                          quizzes[q].number[static_cast<size_t>(pos)]);
      EXPECT_EQ(count, c.want) << "quiz " << q + 1;
    }
    auto n = notes();
    if (c.abandoned) {
      EXPECT_EQ(n, std::vector<std::string>{"Abandoning 0 Percent interrogatives on quiz 1"});
      EXPECT_TRUE(rs.ABAND3);
      EXPECT_EQ(rs.ABAND, 1);
      EXPECT_EQ(rs.OLDIPC, 0);
      EXPECT_EQ(rs.IPC, 50);
      EXPECT_NE(prog->con.text().find("**Some Sectors are out of Noninterrogative questions**"),
                std::string::npos);
    } else {
      EXPECT_EQ(n, std::vector<std::string>{});
      EXPECT_FALSE(rs.ABAND3);
    }
  }
}

TEST_F(SelectionTest, ServiceOrderServesTheTightestTypesFirst) {
  struct Case {
    const char* pattern;
    SectorCounts counts;
    const char* order;
  };
  // Five sectors; the slack of a type is its sectors with questions minus its letters.
  for (Case c : {Case{"nnnnn", {1, 1, 1, 1, 1}, "FSRO"},     // all tie
                 Case{"RRROn", {1, 1, 1, 1, 1}, "ROSF"},     // R least, then O
                 Case{"OOnnn", {1, 1, 1, 1, 1}, "OFSR"},     // O least; F wins the tie for second
                 Case{"FFSSn", {1, 1, 1, 1, 1}, "FSRO"},     // F and S tie for least
                 Case{"RROOn", {1, 1, 1, 1, 1}, "ROSF"},     // R wins the tie for least over O
                 Case{"FFFRO", {1, 1, 1, 1, 1}, "FOSR"},     // O wins the tie for second over R
                 Case{"RRnnn", {1, 0, 1, 1, 1}, "FRSO"}}) {  // no FTV sectors: F least

    SCOPED_TRACE(c.pattern);
    layout(uniform(5, c.counts), 1, c.pattern);
    EXPECT_EQ(service_order(prog->rs), c.order);
  }
}

TEST_F(SelectionTest, RefusedCombinationGivesEveryQuestionBack) {
  // Refuse twice (once with Esc), then accept.
  start("\"x\" \"n\" Esc \"y\"");
  layout(uniform(8, {6, 3, 3, 3, 3}), 1, "FnRnOnSnnnnnnnnnnnnnnnnnnnnnnn");
  RunState& rs = prog->rs;
  rs.V = 1;
  auto quizzes = assemble(1);
  EXPECT_EQ(term->keys_read(), 4u);
  // Only the accepted combination's questions are used up and counted.
  for (char kind : std::string("FROS")) {
    const SpecialtyKind* k = kind_of(kind);
    int pos = static_cast<int>(quizzes[0].pattern.find(kind)) + 1;
    int taken_sector = quizzes[0].sector[static_cast<size_t>(pos)];
    for (int s = 1; s <= 8; ++s) {
      EXPECT_EQ((rs.*k->remaining)[s], s == taken_sector ? 2 : 3) << kind << " sector " << s;
      for (int n = 1; n <= 3; ++n)
        EXPECT_EQ((rs.*k->avail)(s, n),
                  !(s == taken_sector && n == quizzes[0].number[static_cast<size_t>(pos)]))
            << kind << " sector " << s << " question " << n;
    }
  }
  auto inf = (notes(), dir.lines("test.inf"));
  ASSERT_EQ(inf.size(), 33u);
  EXPECT_EQ(inf[0], inf_heading(1));
  EXPECT_EQ(inf[1], "");
  EXPECT_EQ(inf[2].substr(0, 17),
            "   1." + fmt_int(quizzes[0].sector[1], 4) + fmt_int(quizzes[0].number[1], 4) + "  A ");
}

TEST_F(SelectionTest, ApprovalScreenListsTheSpecialtyPositions) {
  layout(uniform(4, {3, 0, 2, 0, 0}), 1, "nRnn");
  prog->rs.V = 1;
  // No key: the script runs out at the question, with the listing on the screen.
  EXPECT_THROW(assemble(1), ScriptEnded);
  const Console& con = prog->con;
  int s = prog->rs.SECTOR[2], n = ss->number_at[2];
  EXPECT_EQ(con.row_text(3), pad_right(kListHeading, 80));
  EXPECT_EQ(con.row_text(4), std::string(80, ' '));
  EXPECT_EQ(con.row_text(5), pad_right("   2." + fmt_int(s, 4) + fmt_int(n, 4) + "  A " +
                                           ref(s, n) + "  CV    What does it say?",
                                       80));
  EXPECT_EQ(con.row_text(7).substr(0, 48), "  Do you wish to accept this combination (y/n)? ");
  EXPECT_EQ(con.wherey(), 7);
  EXPECT_EQ(con.wherex(), 49);
}

}  // namespace
}  // namespace halvorin::testing
