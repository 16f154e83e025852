#include "sectoring/verse_sectoring.hpp"

#include "bench.hpp"

namespace halvorin {
namespace {

using testing::Bench;
using testing::expect_partition;

std::vector<int> bounds(const RunState& rs) {
  std::vector<int> b;
  for (int s = 1; s <= rs.SECTORS; ++s)
    b.insert(b.end(), {rs.BC[s] * 100 + rs.BV[s], rs.EC[s] * 100 + rs.EV[s], rs.QPS[s]});
  return b;
}

TEST(VerseSectoring, TargetsAreLoweredUntilTheSectorsFitAndTheRestGoesToTheLast) {
  Bench b;
  for (int v = 1; v <= 10; ++v) b.at(1, v, 1);
  RunState& rs = b.range(1, 1, 1, 10, 3);
  // 4, 3, 3 would end exactly at 1:10 and leave the walk beyond the range: 3, 3, 3 fits.
  EXPECT_EQ(sector_by_verse(rs), 3);
  EXPECT_EQ(bounds(rs), std::vector<int>({101, 103, 3, 104, 106, 3, 107, 110, 4}));
  EXPECT_EQ(rs.TQPS[3], 4);
}

TEST(VerseSectoring, VersesWithoutRegularQuestionsStayWithTheSectorBefore) {
  Bench b;
  b.at(2, 1, 0, 1);  // the range's first verse: sector 1 still begins there
  for (int v : {2, 3, 4, 7, 8, 9}) b.at(2, v, 2);
  b.at(2, 5, 0, 0, 0, 0, 1);  // counted to sector 1, whose end stays at 2:4
  b.at(2, 10, 1);
  RunState& rs = b.range(2, 1, 2, 10, 2);
  EXPECT_EQ(sector_by_verse(rs), 6);
  EXPECT_EQ(bounds(rs), std::vector<int>({201, 204, 6, 207, 210, 7}));
  EXPECT_EQ(rs.FPS[1] * 10 + rs.SPS[1], 11);
  expect_partition(rs, true);
}

TEST(VerseSectoring, KeepsEveryQuestionAcrossLongRunsWithoutRegularQuestions) {
  Bench b;
  for (int c = 3; c <= 8; ++c)
    for (int v = 1; v <= 30; ++v)
      b.at(c, v, (v >= 9 && v <= 17) || (c * v) % 7 == 0 ? 0 : (c + v) % 5, v % 3 == 0, 0,
           v % 4 == 1);
  for (int sectors : {1, 2, 9, 30}) {
    RunState& rs = b.range(3, 4, 8, 20, sectors);
    SCOPED_TRACE(sectors);
    ASSERT_GE(sector_by_verse(rs), 0);
    expect_partition(rs, true);
  }
}

TEST(VerseSectoring, MoreSectorsThanVersesFitsNoTarget) {
  Bench b;
  for (int v = 1; v <= 3; ++v) b.at(1, v, 4);
  EXPECT_EQ(sector_by_verse(b.range(1, 1, 1, 3, 5)), -1);
}

TEST(VerseSectoring, ReducedLevelSectorsSkipOnlyChaptersWithoutQuestions) {
  Bench b;
  b.rs.LG = 'L';
  b.verses(8, 9, 1);
  b.verses(12, 12, 1);
  // An empty chapter 7 is jumped; chapter 9 holds questions, so a sector may begin there.
  sector_by_verse(b.range(7, 1, 8, 30, 1));
  EXPECT_EQ(bounds(b.rs), std::vector<int>({801, 830, 30}));
  EXPECT_EQ(sector_by_verse(b.range(9, 1, 12, 30, 2)), 29);
  EXPECT_EQ(b.rs.BC[1] * 100 + b.rs.BV[1], 901);
  expect_partition(b.rs, true);
}

}  // namespace
}  // namespace halvorin
