#include <numeric>
#include <random>
#include <set>

#include "bench.hpp"
#include "material/seasons.hpp"
#include "sectoring/resector.hpp"
#include "sectoring/verse_sectoring.hpp"

namespace halvorin {
namespace {

using testing::Bench;
using testing::bounds;

TEST(VerseSectoring, TargetsAreLoweredUntilTheSectorsFitAndEmptyVersesStayBehind) {
  Bench b;
  for (int v = 1; v <= 10; ++v) b.at(1, v, 1);
  // 4, 3, 3 ends at 1:10 and leaves the walk beyond the range; 3, 3, 3 fits and the last
  // sector takes the verse left over.
  EXPECT_EQ(sector_by_verse(b.range(1, 1, 1, 10, 3)), 3);
  EXPECT_EQ(bounds(b.rs), std::vector<int>({101, 103, 3, 104, 106, 3, 107, 110, 4}));
  EXPECT_EQ(sector_by_verse(b.range(1, 1, 1, 3, 5)), -1);  // more sectors than verses
  b.at(2, 1, 0, 1);  // the range's first verse: sector 1 still begins there
  for (int v : {2, 3, 4, 7, 8, 9}) b.at(2, v, 2);
  b.at(2, 5, 0, 0, 0, 0, 1);  // sector 1's, whose end stays at 2:4
  b.at(2, 10, 1);
  EXPECT_EQ(sector_by_verse(b.range(2, 1, 2, 10, 2)), 6);
  EXPECT_EQ(bounds(b.rs), std::vector<int>({201, 204, 6, 207, 210, 7}));
  EXPECT_EQ(b.rs.FPS[1] * 10 + b.rs.SPS[1], 11);
}

// Over generated material with long runs of verses without regular questions: the sectors hold
// every question once, in order.
TEST(VerseSectoring, SectorsPartitionTheRange) {
  std::mt19937 rng(3);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Bench b;
  for (int c = 1; c <= CHMAX; ++c)
    for (int v = 1; v <= 30; ++v)
      b.at(c, v, (v >= 9 && v <= 17) || pick(0, 5) == 0 ? 0 : pick(1, 4), v % 3 == 0, 0, v % 4);
  for (int run = 0; run < 300; ++run) {
    const int bc = pick(1, 20), ec = std::min(CHMAX, bc + pick(0, 8)), sectors = pick(1, SCMAX);
    const int bv = pick(1, 30), ev = pick(bc == ec ? bv : 1, 30);
    SCOPED_TRACE(::testing::PrintToString(std::vector<int>{bc, bv, ec, ev, sectors}));
    if (sector_by_verse(b.range(bc, bv, ec, ev, sectors)) >= 0)
      testing::expect_partition(b.rs, false);
  }
}

// The reduced Acts material lacks chapters 7, 9 to 11 and 14 to 16; a declared set's lacks the
// chapters its books' reduced lists leave out (here Romans 4, 9 to 11 and 16, James 3): over many
// ranges and sector counts no sector begins or ends in one of them, and they hold no question.
TEST(VerseSectoring, ReducedLevelSectorsNeverBeginOrEndInAnAbsentChapter) {
  MaterialSet declared = find_season("romans-james")->set;
  declared.books[0].reduced = {1, 2, 3, 5, 6, 7, 8, 12, 13, 14, 15};
  declared.books[1].reduced = {1, 2, 4, 5};
  for (const auto& [set, absent, ranges] :
       {std::tuple{standard_acts_set(), std::set<int>{7, 9, 10, 11, 14, 15, 16},
                   std::vector<std::pair<int, int>>{{1, 28}, {5, 13}, {12, 20}, {13, 18}, {6, 17}}},
        std::tuple{declared, std::set<int>{4, 9, 10, 11, 16, 19},
                   std::vector<std::pair<int, int>>{{1, 21}, {3, 12}, {15, 20}, {8, 17}}}}) {
    Bench b;
    b.use_set(set);
    b.rs.LG = 'L';
    for (int c = 1; c <= set.total_chapters(); ++c) b.verses(c, c, absent.count(c) ? 0 : 1 + c % 2);
    for (auto [bc, ec] : ranges)
      for (int sectors = 1; sectors <= SCMAX; ++sectors) {
        if (sector_by_verse(b.range(bc, 1, ec, b.rs.EVS[ec], sectors)) < 0) continue;
        testing::expect_partition(b.rs, false);
        for (int s = 1; s <= sectors; ++s)
          ASSERT_FALSE(absent.count(b.rs.BC[s]) || absent.count(b.rs.EC[s]))
              << bc << "-" << ec << " in " << sectors << ": sector " << s;
      }
  }
}

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
      ASSERT_EQ(std::accumulate(t.begin(), t.end(), 0), questions) << questions << "/" << sectors;
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
  EXPECT_EQ(testing::bounds(rs), std::vector<int>({202, 203, 3, 203, 203, 3, 203, 206, 3}));
  EXPECT_EQ(std::vector<int>({rs.MINQZ, rs.FPS[1], rs.OPS[1], rs.SPS[1], rs.FPS[3], rs.OPS[3],
                              rs.SPS[3], rs.FPS[2] + rs.RPS[2] + rs.OPS[2] + rs.SPS[2]}),
            std::vector<int>({3, 1, 1, 1, 1, 1, 1, 0}));
  testing::expect_partition(rs, true);
}

}  // namespace
}  // namespace halvorin
