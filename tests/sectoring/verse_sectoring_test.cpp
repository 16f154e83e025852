#include "sectoring/verse_sectoring.hpp"

#include <random>
#include <set>

#include "bench.hpp"

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
  EXPECT_EQ(b.rs.TQPS[3], 4);
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

// The reduced material lacks chapters 7, 9 to 11 and 14 to 16: over many ranges and sector
// counts no sector begins or ends in one of them, and they hold no question.
TEST(VerseSectoring, ReducedLevelSectorsNeverBeginOrEndInAnAbsentChapter) {
  const std::set<int> absent = {7, 9, 10, 11, 14, 15, 16};
  Bench b;
  b.rs.LG = 'L';
  for (int c = 1; c <= CHMAX; ++c) b.verses(c, c, absent.count(c) ? 0 : 1 + c % 2);
  for (auto [bc, ec] : {std::pair{1, 28}, {5, 13}, {12, 20}, {13, 18}, {6, 17}})
    for (int sectors = 1; sectors <= SCMAX; ++sectors) {
      if (sector_by_verse(b.range(bc, 1, ec, 30, sectors)) < 0) continue;
      testing::expect_partition(b.rs, false);
      for (int s = 1; s <= sectors; ++s)
        ASSERT_FALSE(absent.count(b.rs.BC[s]) || absent.count(b.rs.EC[s]))
            << bc << "-" << ec << " in " << sectors << ": sector " << s;
    }
}

}  // namespace
}  // namespace halvorin
