#include "sectoring/resector.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

using testing::Bench;
using testing::expect_partition;

std::vector<int> targets(int questions, int sectors) {
  RunState rs;
  rs.TQUEST = questions, rs.SECTORS = sectors;
  resector_targets(rs);
  std::vector<int> t;
  for (int s = 1; s <= sectors; ++s) t.push_back(rs.QPS[s]);
  return t;
}

TEST(QuestionTargets, ThresholdsAndTheirQuirks) {
  std::vector<int> t100(30, 3);
  for (int s = 1; s <= 25; s += 3) t100[s - 1] = 4;  // a third: every 3rd up to 27
  t100[29] = 4;                                      // 100 - 87 - 9
  std::vector<int> t59(20, 3);
  for (int s : {1, 8, 15}) t59[s - 1] = 2;  // 0.95: back one on every 7th, not every 8th
  t59[19] = 5;
  struct Case {
    int questions, sectors;
    std::vector<int> want;
  } cases[] = {{100, 30, t100},
               {50, 8, {7, 6, 6, 6, 6, 6, 6, 7}},  // a quarter: up to (7 div 4) x 3 = 3
               {59, 20, t59},
               {60, 20, std::vector<int>(20, 3)},
               {7, 1, {7}}};
  for (const Case& c : cases)
    EXPECT_EQ(targets(c.questions, c.sectors), c.want) << c.questions << "/" << c.sectors;
}

TEST(QuestionTargets, AlwaysAddUpAndNeverFallBelowTheBase) {
  for (int sectors = 1; sectors <= SCMAX; ++sectors)
    for (int questions = sectors; questions <= 12 * sectors; ++questions) {
      std::vector<int> t = targets(questions, sectors);
      int total = 0;
      for (int x : t) {
        total += x;
        ASSERT_GE(x, questions / sectors) << questions << "/" << sectors;
      }
      ASSERT_EQ(total, questions) << questions << "/" << sectors;
    }
}

TEST(QuestionSectoring, AVerseStraddlingTwoSectorsGivesItsSpecialtiesToTheFirst) {
  Bench b("Enter");
  b.at(2, 1, 0, 0, 0, 1);     // before the first regular question: still sector 1's
  b.at(2, 2, 2);              // sector 1: 2 of its 3
  b.at(2, 3, 5, 1, 0, 0, 1);  // 1 to sector 1, 3 to sector 2, 1 to sector 3
  b.at(2, 4, 0, 1);           // passed over inside sector 3
  b.at(2, 5, 2, 0, 0, 1);
  b.at(2, 6, 0, 0, 0, 0, 1);  // the range's last verse, no regular question
  b.at(2, 7, 9, 9);           // beyond the range
  b.p.con.gotoxy(1, 5);
  RunState& rs = b.range(2, 1, 2, 6, 3);
  RESECTOR(b.p);
  EXPECT_EQ(b.p.con.row_text(6), std::string(80, ' '));  // the notice is gone after Enter
  EXPECT_EQ(rs.MINQZ, 3);
  int want[][9] = {
      {2, 2, 2, 3, 3, 1, 0, 1, 1}, {2, 3, 2, 3, 3, 0, 0, 0, 0}, {2, 3, 2, 6, 3, 1, 0, 1, 1}};
  for (int s = 1; s <= 3; ++s) {
    int got[9] = {rs.BC[s],  rs.BV[s],  rs.EC[s],  rs.EV[s], rs.QPS[s],
                  rs.FPS[s], rs.RPS[s], rs.OPS[s], rs.SPS[s]};
    EXPECT_EQ(std::vector<int>(got, got + 9), std::vector<int>(want[s - 1], want[s - 1] + 9))
        << "sector " << s;
  }
  expect_partition(rs, false);
}

TEST(QuestionSectoring, KeepsEveryQuestionOfUnevenMaterial) {
  Bench b;
  for (int c = 3; c <= 6; ++c)
    for (int v = 1; v <= 30; ++v)
      b.at(c, v, (c * v) % 7 == 0 ? 0 : (c + v) % 5, v % 3 == 0, 0, v % 4 == 1);
  for (int sectors : {1, 2, 13, 30}) {
    RunState& rs = b.range(3, 4, 6, 20, sectors);
    cut_by_questions(rs);
    SCOPED_TRACE(sectors);
    expect_partition(rs, false);
  }
}

}  // namespace
}  // namespace halvorin
