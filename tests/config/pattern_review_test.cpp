// The pattern review screens and the pattern file, driven by key scripts.
#include <gtest/gtest.h>

#include "bench.hpp"
#include "config/pattern.hpp"
#include "driver/steps.hpp"

namespace halvorin::testing {
namespace {

struct ReviewResult {
  bool ran_out = false;  // the key script ended while the review waited for a key
  PatternEnd end{};
  Screen screen;
  std::vector<std::string> pat;  // PAT[1..QZ]
  std::string file;              // pat.txt as written, empty when not written
  std::string at(int col, int row, size_t len) const {
    return screen.row_text(row).substr(size_t(col - 1), len);
  }
  // The quiz number of the highlighted line, or 0 unless exactly one line is highlighted.
  int cursor(bool wide = false) const {
    int quiz = 0, lines = 0;
    for (int row = 6; row <= 20; ++row)
      for (int col : {1, 4, 42})
        if ((col == 1) == wide && screen.cell(col, row).bg == 4)
          ++lines, quiz = std::stoi(at(col, row, 3));
    return lines == 1 ? quiz : 0;
  }
};

// The whole pattern step for `quizzes` quizzes of the weekly demo style changed by `edits`.
ReviewResult run_review(const std::string& keys, int quizzes, const std::string& edits = "-") {
  PatternBench b(keys, 3);
  b.p.cu.QNUM = quizzes;
  edit(b.p.cu, edits);
  ReviewResult r;
  try {
    r.end = SPEC2(b.p);
  } catch (const ScriptEnded&) {
    r.ran_out = true;
  }
  r.screen = b.p.con;
  for (int q = 1; q <= b.p.cu.QZ; ++q) r.pat.push_back(b.p.cu.PAT[q]);
  if (b.dir.exists("pat.txt")) r.file = b.dir.read("pat.txt");
  return r;
}

TEST(PatternReview, ThirtyOneQuizzesShowTwoPages) {
  const ReviewResult first = run_review("", 31);
  expect_screen("config/golden/review_first.screen", first.screen);
  EXPECT_EQ(first.at(4, 6, 35), "  1. " + first.pat[0]);
  EXPECT_EQ(first.cursor(), 1);
  const ReviewResult second = run_review("Esc Down", 31);  // Esc acts as Enter here
  expect_screen("config/golden/review_second.screen", second.screen);
  EXPECT_EQ(second.at(4, 6, 35), " 31. " + first.pat[30]);
  EXPECT_EQ(second.cursor(), 31);

  const ReviewResult done = run_review("Enter Enter", 31);
  ASSERT_EQ(done.end, PatternEnd::Accepted);
  std::string expected;
  for (const std::string& line : first.pat) expected += line + "\r\n";
  EXPECT_EQ(done.file, expected);
}

TEST(PatternReview, SpaceReshufflesOnlyTheCursorQuiz) {
  const char* varied =
      "Total Min=0;FTV Type Min=0;FTV Type Max=3;CV Ref Max=3;CO Ref Max=3;Situation Max=3";
  for (auto [keys, quiz] : {std::pair{"Down Down", 3}, {"Enter", 31}}) {
    const ReviewResult before = run_review(keys, 31, varied);
    const ReviewResult after = run_review(std::string(keys) + " Space", 31, varied);
    ASSERT_TRUE(after.ran_out && after.pat.size() == 31 && before.pat.size() == 31);
    for (int q = 1; q <= 31; ++q)
      EXPECT_EQ(after.pat[q - 1] == before.pat[q - 1], q != quiz) << keys << " quiz " << q;
    EXPECT_EQ(after.cursor(), quiz);
    EXPECT_NE(after.screen.row_text(quiz == 3 ? 8 : 6).find(after.pat[quiz - 1]),
              std::string::npos);
  }
  const ReviewResult same = run_review(
      "Space Down Space", 4, "Set Specialty Quest nos=Y;Situation Max=0;Types=nnFnnRnnFnnOnnn");
  ASSERT_EQ(same.pat.size(), 4u);
  for (const std::string& t : same.pat) EXPECT_EQ(t, "nnFnnRnnFnnOnnnnnnnnnnnnnnnnnn");
}

TEST(PatternReview, WideScreenShowsFifteenAndEscGoesBack) {
  const ReviewResult r = run_review("Right", 20, "Questions per pack=40");
  expect_screen("config/golden/review_wide.screen", r.screen);
  EXPECT_EQ(r.at(1, 6, 80), "  1." + r.pat[0] + std::string(45, 'n') + " ");
  EXPECT_EQ(r.cursor(true), 1);
  EXPECT_EQ(run_review("Enter Up", 20, "Questions per pack=40").cursor(true), 20);

  const ReviewResult back = run_review("Down Esc", 20, "Questions per pack=40");
  EXPECT_EQ(back.end, PatternEnd::Back);
  EXPECT_EQ(back.pat, r.pat);
  EXPECT_EQ(std::count(back.file.begin(), back.file.end(), '\n'), 20);
}

TEST(PatternStep, PatternsAreReadBackAndEscStartsOver) {
  PatternBench b("Enter Esc", 8);
  b.p.cu.QNUM = b.p.rs.QNUM = 12;
  ASSERT_EQ(make_patterns(b.p), Step::Continue);
  for (int q = 1; q <= 12; ++q) EXPECT_EQ(b.p.rs.PAT[q], b.p.cu.PAT[q]);
  b.p.cu.QMAX = 35;
  EXPECT_EQ(make_patterns(b.p), Step::StartOver);
}

}  // namespace
}  // namespace halvorin::testing
