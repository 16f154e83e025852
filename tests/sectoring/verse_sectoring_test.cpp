#include "sectoring/verse_sectoring.hpp"

#include <set>

#include "bench.hpp"

namespace halvorin {
namespace {

using testing::Bench;

using testing::bounds;

TEST(VerseSectoring, TargetsAreLoweredUntilTheSectorsFit) {
  Bench b;
  for (int v = 1; v <= 10; ++v) b.at(1, v, 1);
  // 4, 3, 3 ends at 1:10 and leaves the walk beyond the range; 3, 3, 3 fits and the last
  // sector takes the verse left over.
  EXPECT_EQ(sector_by_verse(b.range(1, 1, 1, 10, 3)), 3);
  EXPECT_EQ(bounds(b.rs), std::vector<int>({101, 103, 3, 104, 106, 3, 107, 110, 4}));
  EXPECT_EQ(b.rs.TQPS[3], 4);
  EXPECT_EQ(sector_by_verse(b.range(1, 1, 1, 3, 5)), -1);  // more sectors than verses
}

TEST(VerseSectoring, VersesWithoutRegularQuestionsStayWithTheSectorBefore) {
  Bench b;
  b.at(2, 1, 0, 1);  // the range's first verse: sector 1 still begins there
  for (int v : {2, 3, 4, 7, 8, 9}) b.at(2, v, 2);
  b.at(2, 5, 0, 0, 0, 0, 1);  // sector 1's, whose end stays at 2:4
  b.at(2, 10, 1);
  EXPECT_EQ(sector_by_verse(b.range(2, 1, 2, 10, 2)), 6);
  EXPECT_EQ(bounds(b.rs), std::vector<int>({201, 204, 6, 207, 210, 7}));
  EXPECT_EQ(b.rs.FPS[1] * 10 + b.rs.SPS[1], 11);
  // Long runs of such verses inside chapters keep the questions after them.
  for (int c = 3; c <= 8; ++c)
    for (int v = 1; v <= 30; ++v)
      b.at(c, v, (v >= 9 && v <= 17) || (c * v) % 7 == 0 ? 0 : (c + v) % 5, v % 3 == 0, 0, v % 4);
  for (int sectors : {1, 9, 30}) {
    ASSERT_GE(sector_by_verse(b.range(3, 4, 8, 20, sectors)), 0);
    testing::expect_partition(b.rs, false);
  }
}

TEST(VerseSectoring, ReducedLevelSectorsSkipOnlyChaptersWithoutQuestions) {
  Bench b;
  b.rs.LG = 'L';
  b.verses(8, 9, 1);
  b.verses(12, 12, 1);
  sector_by_verse(b.range(7, 1, 8, 30, 1));  // an empty chapter 7 is jumped
  EXPECT_EQ(bounds(b.rs), std::vector<int>({801, 830, 30}));
  EXPECT_EQ(sector_by_verse(b.range(9, 1, 12, 30, 2)), 29);  // chapter 9 holds questions
  EXPECT_EQ(b.rs.BC[1] * 100 + b.rs.BV[1], 901);
  testing::expect_partition(b.rs, false);
}

// The reduced material lacks chapters 7, 9 to 11 and 14 to 16: over many ranges and sector
// counts no sector begins or ends in one of them.
TEST(VerseSectoring, ReducedLevelSectorsNeverBeginOrEndInAnAbsentChapter) {
  const std::set<int> absent = {7, 9, 10, 11, 14, 15, 16};
  Bench b;
  b.rs.LG = 'L';
  for (int c = 1; c <= CHMAX; ++c) b.verses(c, c, absent.count(c) ? 0 : 1 + c % 2);
  for (auto [bc, ec] : {std::pair{1, 28}, {5, 13}, {12, 20}, {13, 18}, {6, 17}})
    for (int sectors = 1; sectors <= SCMAX; ++sectors) {
      if (sector_by_verse(b.range(bc, 1, ec, 30, sectors)) < 0) continue;
      for (int s = 1; s <= sectors; ++s)
        ASSERT_FALSE(absent.count(b.rs.BC[s]) || absent.count(b.rs.EC[s]))
            << bc << "-" << ec << " in " << sectors << ": sector " << s;
    }
}

}  // namespace
}  // namespace halvorin
