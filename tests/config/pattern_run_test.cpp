// The pattern step in a whole-program run on the demo styles.
#include <gtest/gtest.h>

#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

// The weekly demo style: 25 quizzes, specialties on questions 2 to 18, two to four per quiz.
TEST(PatternRun, WeeklyDemoReviewAndPatternFile) {
  TempDir dir;
  copy_demo(dir);
  // Choose the first style, go to the form's header line, save: the review screen opens.
  const RunResult review = run_halvorin(dir, "Enter Esc Enter", {"--seed", "4"});
  EXPECT_EQ(review.status, 3) << review.err;
  EXPECT_NE(review.err.find("pattern review"), std::string::npos) << review.err;
  EXPECT_EQ(review.row(3).substr(1, 32), "   Press Space Bar to Reshuffle ");
  // One page: quizzes 1 to 15 in the first column, 16 to 25 in the second.
  EXPECT_EQ(review.row(6).substr(3, 5), "  1. ");
  EXPECT_EQ(review.row(20).substr(3, 5), " 15. ");
  EXPECT_EQ(review.row(6).substr(41, 5), " 16. ");
  EXPECT_EQ(review.row(15).substr(41, 5), " 25. ");
  EXPECT_EQ(review.row(16).substr(41, 5), "     ");
  EXPECT_EQ(review.bg(4, 6), 4);

  // Enter accepts the only page; the pass goes on with the patterns in "pat.txt".
  run_halvorin(dir, "Enter Esc Enter Enter", {"--seed", "4"});
  ASSERT_TRUE(dir.exists("pat.txt"));
  const std::string raw = dir.read("pat.txt");
  const std::vector<std::string> lines = dir.lines("pat.txt");
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(raw.size(), 25u * 32);
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 30u);
    EXPECT_EQ(line.find_first_not_of("FROSn"), std::string::npos) << line;
    EXPECT_EQ(line[0], 'n') << line;
    EXPECT_EQ(line.find_first_not_of('n', 18), std::string::npos) << line;
    const auto specialties =
        line.size() - static_cast<size_t>(std::count(line.begin(), line.end(), 'n'));
    EXPECT_TRUE(specialties >= 2 && specialties <= 4) << line;
  }
  // The review showed these same patterns: one seed, one packet.
  EXPECT_EQ(review.row(6).substr(8, 30), lines[0]);
}

}  // namespace
}  // namespace halvorin::testing
