// The pattern step in a whole-program run on the demo styles.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// The weekly demo style: 25 quizzes, two to four specialties on questions 2 to 18.
TEST(PatternRun, WeeklyDemoReviewAndPatternFile) {
  TempDir dir;
  copy_demo(dir);
  const std::string style = dir.read("Weekly.spe");
  // Choose the first style, Esc to the form's header line, save: the review opens.
  const RunResult review = run_halvorin(dir, "Enter Esc Enter", {"--seed", "4"});
  EXPECT_EQ(review.status, 3) << review.err;
  EXPECT_EQ(dir.read("Weekly.spe"), style);  // saved unchanged
  EXPECT_EQ(dir.read("temp2.txt"), "Weekly\r\n");
  EXPECT_EQ(review.row(3).substr(1, 32), "   Press Space Bar to Reshuffle ");
  // One page: quizzes 1 to 15 in the first column, 16 to 25 in the second.
  EXPECT_EQ(review.row(20).substr(3, 5) + review.row(15).substr(41, 5) + review.row(16)[42],
            " 15.  25.  ");

  run_halvorin(dir, "Enter Esc Enter Enter", {"--seed", "4"});
  const std::vector<std::string> lines = dir.lines("pat.txt");
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(dir.read("pat.txt").size(), 25u * 32);
  for (const std::string& line : lines) {
    const auto total = 30 - std::count(line.begin(), line.end(), 'n');
    EXPECT_TRUE(line.size() == 30 && line.find_first_not_of("FROSn") == std::string::npos &&
                line[0] == 'n' && line.find_first_not_of('n', 18) == std::string::npos &&
                total >= 2 && total <= 4)
        << line;
  }
  EXPECT_EQ(review.row(6).substr(8, 30), lines[0]);  // one seed, the same patterns
}

}  // namespace
}  // namespace halvorin::testing
