// The pattern review screens and the pattern file, driven by key scripts.
#include <gtest/gtest.h>

#include <functional>

#include "config/pattern.hpp"
#include "driver/steps.hpp"
#include "pattern_support.hpp"
#include "platform/errors.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

constexpr const char* kTitle =
    "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";

struct ReviewResult {
  bool ran_out = false;  // the key script ended while the review waited for a key
  PatternEnd end{};
  Screen screen;
  std::vector<std::string> pat;  // PAT[1..QZ]
  std::string file;              // pat.txt as written, empty when not written
};

// Runs the whole pattern step on `quizzes` quizzes of the weekly demo limits, changed by `setup`.
ReviewResult run_review(const std::string& keys, int quizzes,
                        const std::function<void(ConfigUnit&)>& setup = {}, uint64_t seed = 3) {
  TempDir dir;
  InDir in(dir.path());
  PatternBench b(keys, seed);
  b.p.cu.QNUM = quizzes;
  if (setup) setup(b.p.cu);
  ReviewResult r;
  try {
    r.end = SPEC2(b.p);
  } catch (const ScriptEnded&) {
    r.ran_out = true;
  }
  r.screen = b.p.con;
  for (int q = 1; q <= b.p.cu.QZ; ++q) r.pat.push_back(b.p.cu.PAT[q]);
  if (dir.exists("pat.txt")) r.file = dir.read("pat.txt");
  return r;
}

std::string text_at(const Screen& s, int col, int row, size_t len) {
  return s.row_text(row).substr(static_cast<size_t>(col - 1), len);
}

// The quiz number of the one highlighted line (0 when none), and how many lines are highlighted.
std::pair<int, int> highlighted(const Screen& s, bool wide = false) {
  int quiz = 0, lines = 0;
  const std::vector<int> columns = wide ? std::vector<int>{1} : std::vector<int>{4, 42};
  for (int row = 6; row <= 20; ++row)
    for (int col : columns)
      if (s.cell(col, row).bg == 4) {
        ++lines;
        quiz = std::stoi(text_at(s, col, row, 3));
      }
  return {quiz, lines};
}

TEST(PatternReview, ThirtyOneQuizzesShowTwoPages) {
  const ReviewResult first = run_review("", 31);
  ASSERT_TRUE(first.ran_out);
  const Screen& s = first.screen;
  EXPECT_EQ(text_at(s, 2, 3, 75), kTitle);
  EXPECT_EQ(s.row_text(5).substr(0, 76),
            "            5   10   15   20   25   30            5   10   15   20   25   30");
  EXPECT_EQ(s.cell(13, 5).fg, 12);
  EXPECT_EQ(text_at(s, 4, 6, 35), "  1. " + first.pat[0]);
  EXPECT_EQ(text_at(s, 4, 20, 35), " 15. " + first.pat[14]);
  EXPECT_EQ(text_at(s, 42, 6, 35), " 16. " + first.pat[15]);
  EXPECT_EQ(text_at(s, 42, 20, 35), " 30. " + first.pat[29]);
  EXPECT_EQ(text_at(s, 4, 22, 35), " Press Enter to accept all patterns");
  // The cursor's line is white on red throughout; the others yellow with every fifth letter white.
  for (int col = 4; col <= 38; ++col) {
    EXPECT_EQ(s.cell(col, 6).fg, 15);
    EXPECT_EQ(s.cell(col, 6).bg, 4);
    EXPECT_EQ(s.cell(col, 7).bg, 1);
    const int letter = col - 8;
    EXPECT_EQ(s.cell(col, 7).fg, letter >= 1 && letter % 5 == 0 ? 15 : 14) << col;
  }
  EXPECT_EQ(highlighted(s), std::make_pair(1, 1));

  // The second page holds quiz 31 alone, and Down stays on it.
  const ReviewResult second = run_review("Enter Down", 31);
  ASSERT_TRUE(second.ran_out);
  EXPECT_EQ(second.pat, first.pat);
  EXPECT_EQ(text_at(second.screen, 4, 6, 35), " 31. " + first.pat[30]);
  EXPECT_EQ(highlighted(second.screen), std::make_pair(31, 1));
  EXPECT_EQ(text_at(second.screen, 42, 6, 35), std::string(35, ' '));
  for (int row = 7; row <= 20; ++row) EXPECT_EQ(second.screen.row_text(row), std::string(80, ' '));
  EXPECT_EQ(second.screen.row_text(5), s.row_text(5));

  // Enter on the last page ends the review; the file holds one 30-letter line per quiz.
  const ReviewResult done = run_review("Enter Enter", 31);
  ASSERT_FALSE(done.ran_out);
  EXPECT_EQ(done.end, PatternEnd::Accepted);
  std::string expected;
  for (const std::string& line : first.pat) expected += line + "\r\n";
  EXPECT_EQ(done.file, expected);
}

TEST(PatternReview, CursorKeysMoveWithinThePage) {
  const struct {
    const char* keys;
    int quiz;
  } cases[] = {
      {"Up", 18},           {"Down Up", 1},      {"Right", 16},
      {"Right Right", 16},  {"Right Left", 1},   {"Down Left", 2},
      {"4*Down Right", 5},  // quiz 20 is not on the page
      {"2*Down Right", 18}, {"Right Up Up", 14}, {"Right Down Down Down", 1},
      {"\"P\"", 2},         {"\"H\"", 18},       {"\"M\" \"K\"", 1},
      {"\"x\" 9*<0>", 1},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.keys);
    const ReviewResult r = run_review(c.keys, 18);
    ASSERT_TRUE(r.ran_out);
    EXPECT_EQ(highlighted(r.screen), std::make_pair(c.quiz, 1));
  }
}

TEST(PatternReview, SpaceReshufflesOnlyTheCursorQuiz) {
  auto varied = [](ConfigUnit& cu) {
    cu.SPMIN = 0;
    cu.SPMAX = 8;
    cu.FMAX = cu.RMAX = cu.OMAX = cu.SMAX = 3;
    cu.FMIN = cu.RMIN = cu.OMIN = cu.SMIN = 0;
  };
  const ReviewResult before = run_review("Down Down", 20, varied);
  const ReviewResult after = run_review("Down Down Space", 20, varied);
  ASSERT_TRUE(after.ran_out);
  ASSERT_EQ(before.pat.size(), after.pat.size());
  for (size_t q = 0; q < before.pat.size(); ++q) {
    if (q != 2) {
      EXPECT_EQ(after.pat[q], before.pat[q]) << "quiz " << q + 1;
    }
  }
  EXPECT_NE(after.pat[2], before.pat[2]);
  EXPECT_EQ(text_at(after.screen, 4, 8, 35), "  3. " + after.pat[2]);
  EXPECT_EQ(highlighted(after.screen), std::make_pair(3, 1));

  // With fixed types every quiz has the fixed pattern, and Space draws it again unchanged.
  auto fixed = [](ConfigUnit& cu) {
    cu.SETSPC = 'Y';
    cu.FMIN = cu.FMAX = 2;
    cu.RMIN = cu.RMAX = 1;
    cu.OMIN = cu.OMAX = 0;
    cu.SMIN = cu.SMAX = 1;
    cu.TYP = "nnFnnRnnFnnSnnnnnnnnnnnnnnnnnn";
  };
  const ReviewResult same = run_review("Space Down Space", 4, fixed);
  ASSERT_TRUE(same.ran_out);
  for (const std::string& t : same.pat) EXPECT_EQ(t, "nnFnnRnnFnnSnnnnnnnnnnnnnnnnnn");
}

TEST(PatternReview, EscActsAsEnterOnTheNarrowScreen) {
  const ReviewResult page2 = run_review("Esc", 31);
  ASSERT_TRUE(page2.ran_out);
  EXPECT_EQ(highlighted(page2.screen), std::make_pair(31, 1));
  const ReviewResult done = run_review("Esc Esc", 31);
  ASSERT_FALSE(done.ran_out);
  EXPECT_EQ(done.end, PatternEnd::Accepted);
}

TEST(PatternReview, WideScreenShowsFifteenAndEscGoesBack) {
  auto wide = [](ConfigUnit& cu) { cu.QMAX = 40; };
  const ReviewResult r = run_review("Right", 20, wide);
  ASSERT_TRUE(r.ran_out);
  const Screen& s = r.screen;
  EXPECT_EQ(s.row_text(5).substr(0, 79),
            "        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75");
  EXPECT_EQ(text_at(s, 1, 6, 80), "  1." + r.pat[0] + std::string(45, 'n') + " ");
  EXPECT_EQ(text_at(s, 1, 20, 4), " 15.");
  EXPECT_EQ(s.row_text(21), std::string(80, ' '));
  EXPECT_EQ(s.cell(79, 7).fg, 15);  // the 75th letter
  EXPECT_EQ(s.cell(78, 7).fg, 14);
  EXPECT_EQ(highlighted(s, true), std::make_pair(1, 1));  // no Right key on one column

  const ReviewResult page2 = run_review("Enter Up", 20, wide);
  EXPECT_EQ(highlighted(page2.screen, true), std::make_pair(20, 1));

  // Esc leaves at once, patterns as they stand; the file is still written.
  const ReviewResult back = run_review("Enter Esc", 20, wide);
  ASSERT_FALSE(back.ran_out);
  EXPECT_EQ(back.end, PatternEnd::Back);
  EXPECT_EQ(back.pat, r.pat);
  EXPECT_EQ(std::count(back.file.begin(), back.file.end(), '\n'), 20);
}

TEST(PatternStep, PatternsAreReadBackAndEscStartsOver) {
  TempDir dir;
  InDir in(dir.path());
  {
    PatternBench b("Enter", 8);
    b.p.cu.QNUM = b.p.rs.QNUM = 12;
    ASSERT_EQ(make_patterns(b.p), Step::Continue);
    EXPECT_EQ(b.p.rs.QZ, 12);
    EXPECT_FALSE(b.p.rs.BACK);
    for (int q = 1; q <= 12; ++q) EXPECT_EQ(b.p.rs.PAT[q], b.p.cu.PAT[q]);
    EXPECT_EQ(dir.lines("pat.txt").size(), 12u);
  }
  {
    PatternBench b("Esc", 8);
    b.p.cu.QNUM = b.p.rs.QNUM = 3;
    b.p.cu.QMAX = 35;
    EXPECT_EQ(make_patterns(b.p), Step::StartOver);
    EXPECT_TRUE(b.p.rs.BACK);
    EXPECT_EQ(dir.lines("pat.txt").size(), 3u);
  }
  {
    PatternBench b("Enter", 8);
    b.p.cu.QNUM = b.p.rs.QNUM = 3;
    b.p.cu.SPMIN = 9;  // a hand-edited style: refused, nothing read
    dir.remove("pat.txt");
    EXPECT_EQ(make_patterns(b.p), Step::StartOver);
    EXPECT_FALSE(dir.exists("pat.txt"));
  }
}

}  // namespace
}  // namespace halvorin::testing
