#include "sectoring/resector.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

std::vector<int> targets(int questions, int sectors) {
  RunState rs;
  rs.TQUEST = questions, rs.SECTORS = sectors;
  resector_targets(rs);
  std::vector<int> t;
  for (int s = 1; s <= sectors; ++s) t.push_back(rs.QPS[s]);
  return t;
}

// Targets for one case of each share band (7/8, 3/4, 1/2, 1/3, 1/4, 1/8, less) and its exact
// edges, against golden/targets.txt; and over every case, the targets add up and none falls short.
TEST(QuestionTargets, ShareBandsAndTheirSums) {
  std::string got;
  for (auto [questions, sectors] : std::vector<std::pair<int, int>>{
           {100, 30}, {50, 8},  {59, 20}, {60, 20}, {67, 20}, {78, 20},  {85, 20},  {87, 20},
           {95, 20},  {77, 20}, {65, 20}, {98, 30}, {92, 30}, {108, 30}, {114, 30}, {118, 30},
           {127, 30}, {31, 10}, {13, 4},  {7, 3},   {40, 17}, {81, 26}}) {
    got += std::to_string(questions) + "/" + std::to_string(sectors) + ":";
    for (int t : targets(questions, sectors)) got += " " + std::to_string(t);
    got += "\n";
  }
  testing::expect_golden("sectoring/golden/targets.txt", got);
  for (int sectors = 1; sectors <= SCMAX; ++sectors)
    for (int questions = sectors; questions <= 12 * sectors; ++questions) {
      std::vector<int> t = targets(questions, sectors);
      int total = 0;
      for (int x : t) total += x;
      ASSERT_EQ(total, questions) << questions << "/" << sectors;
      ASSERT_GE(*std::min_element(t.begin(), t.end()), questions / sectors);
    }
}

TEST(QuestionSectoring, AVerseStraddlingTwoSectorsGivesItsSpecialtiesToTheFirst) {
  testing::Bench b("Enter");
  b.at(2, 1, 0, 0, 0, 1);     // before the first regular question: still sector 1's
  b.at(2, 2, 2);              // sector 1 takes 2, then 1 of 2:3
  b.at(2, 3, 5, 1, 0, 0, 1);  // 3 to sector 2, the last one to sector 3
  b.at(2, 4, 0, 1);
  b.at(2, 5, 2, 0, 0, 1);
  b.at(2, 6, 0, 0, 0, 0, 1);  // the range's last verse
  b.at(2, 7, 9, 9);
  b.p.con.gotoxy(1, 5);
  RunState& rs = b.range(2, 1, 2, 6, 3);
  RESECTOR(b.p);
  EXPECT_EQ(b.p.con.row_text(6), std::string(80, ' '));  // the notice is gone after Enter
  EXPECT_EQ(rs.MINQZ, 3);
  EXPECT_EQ(testing::bounds(rs), std::vector<int>({202, 203, 3, 203, 203, 3, 203, 206, 3}));
  EXPECT_EQ(std::vector<int>({rs.FPS[1], rs.OPS[1], rs.SPS[1], rs.FPS[3], rs.OPS[3], rs.SPS[3]}),
            std::vector<int>({1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(rs.FPS[2] + rs.RPS[2] + rs.OPS[2] + rs.SPS[2], 0);
  testing::expect_partition(rs, true);
}

}  // namespace
}  // namespace halvorin
