// Specialty patterns: many generated patterns checked against the style's limits, fixed types,
// and hand-edited styles whose limits cannot make a pattern.
#include <gtest/gtest.h>

#include <set>

#include "config/pattern.hpp"
#include "config/pattern_deal.hpp"
#include "pattern_support.hpp"
#include "platform/errors.hpp"
#include "state/style.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {
namespace {

struct GenCase {
  const char* name;
  Limits limits;
};

TEST(PatternGeneration, EveryPatternKeepsTheStyleLimits) {
  const GenCase cases[] = {
      {"weekly demo", {2, 18, 2, 4, 1, 2, 0, 1, 0, 1, 0, 1}},
      {"widest ranges", {1, 30, 0, 20, 0, 10, 0, 10, 0, 10, 0, 10}},
      {"late narrow window", {10, 30, 3, 6, 0, 3, 1, 2, 0, 1, 0, 2}},
      {"one count per type", {1, 30, 8, 8, 3, 3, 2, 2, 2, 2, 1, 1}},
      // The total fills the window: every window position is a specialty, none past it.
      {"total fills the window", {5, 12, 8, 8, 2, 2, 2, 2, 2, 2, 2, 2}},
      {"single position", {7, 7, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0}},
  };
  for (const GenCase& c : cases) {
    SCOPED_TRACE(c.name);
    PatternBench b("", 20240);
    b.set(c.limits);
    b.p.cu.QMAX = 30;
    const Limits& l = c.limits;
    ASSERT_EQ(pattern_limits_problem(b.p.cu), "");
    std::set<std::string> seen;
    for (int n = 0; n < 300; ++n) {
      ASSERT_TRUE(SPECPAT(b.p));
      const std::string& t = b.p.cu.TYP;
      ASSERT_EQ(t.size(), 30u);
      ASSERT_EQ(t.find_first_not_of("FROSn"), std::string::npos) << t;
      const int f = count_of(t, 'F'), r = count_of(t, 'R'), o = count_of(t, 'O'),
                s = count_of(t, 'S');
      EXPECT_EQ(f + r + o + s, b.p.cu.SPECS) << t;
      EXPECT_GE(f + r + o + s, l.spmin) << t;
      EXPECT_LE(f + r + o + s, l.spmax) << t;
      EXPECT_TRUE(f >= l.fmin && f <= l.fmax) << t;
      EXPECT_TRUE(r >= l.rmin && r <= l.rmax) << t;
      EXPECT_TRUE(o >= l.omin && o <= l.omax) << t;
      EXPECT_TRUE(s >= l.smin && s <= l.smax) << t;
      for (int i = 1; i <= 30; ++i) {
        if (i < l.spearly || i > l.splate) {
          ASSERT_EQ(t[i - 1], 'n') << t << " at " << i;
        }
      }
      seen.insert(t);
    }
    // Patterns are arranged at random per quiz, even when the counts are fixed.
    if (l.splate > l.spearly) {
      EXPECT_GT(seen.size(), 20u);
    }
  }
}

TEST(PatternGeneration, AllZeroMaximaGiveRegularPatterns) {
  PatternBench b;
  b.set(Limits{1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  b.p.cu.QMAX = 30;
  for (int n = 0; n < 50; ++n) {
    ASSERT_TRUE(SPECPAT(b.p));
    EXPECT_EQ(b.p.cu.TYP, std::string(30, 'n'));
    EXPECT_EQ(b.p.cu.SPECS, 0);
  }
}

TEST(PatternGeneration, FixedTypesKeepTheFixedPattern) {
  PatternBench b;
  b.set(Limits{5, 15, 3, 3, 1, 1, 1, 1, 0, 0, 1, 1});
  b.p.cu.SETSPC = 'Y';
  const std::string fixed = "nnnnFnnnRnnnSnnnnnnnnnnnnnnnnn";
  b.p.cu.TYP = fixed;
  for (int n = 0; n < 20; ++n) {
    ASSERT_TRUE(SPECPAT(b.p));
    EXPECT_EQ(b.p.cu.TYP, fixed);
    EXPECT_EQ(b.p.cu.SPECS, 3);
  }
  // A short stored line is read as regular positions to 30.
  b.p.cu.TYP = "nnnnFnnnRnnnS";
  ASSERT_TRUE(SPECPAT(b.p));
  EXPECT_EQ(b.p.cu.TYP, fixed);
}

// CV Ref and CO Ref counts lean towards the middle of their range: a first draw off the midpoint
// is drawn again. FTV takes up the rest of the total, uniformly, so the lean shows unchanged.
TEST(PatternGeneration, ReferenceCountsLeanToTheMiddle) {
  PatternBench b("", 77);
  b.set(Limits{1, 30, 5, 5, 0, 10, 0, 2, 0, 0, 0, 0});
  b.p.cu.QMAX = 30;
  int middle = 0;
  const int n = 2000;
  for (int i = 0; i < n; ++i) {
    ASSERT_TRUE(SPECPAT(b.p));
    middle += count_of(b.p.cu.TYP, 'R') == 1;
  }
  // One in three without the rule, five in nine with it.
  EXPECT_GT(middle, n * 48 / 100);
  EXPECT_LT(middle, n * 63 / 100);
}

struct RefusalCase {
  const char* name;
  void (*edit)(ConfigUnit&);
  const char* words;  // part of the message the user sees
};

TEST(PatternLimits, HandEditedStylesThatCannotMakeAPatternAreRefused) {
  const RefusalCase cases[] = {
      {"total the types cannot reach", [](ConfigUnit& cu) { cu.SPMAX = 6; },
       "type maxima add up to 5"},
      {"type minima above the total minimum",
       [](ConfigUnit& cu) {
         cu.RMIN = 1;
         cu.OMIN = 1;
       },
       "type minima add up to 3"},
      {"total minimum above maximum", [](ConfigUnit& cu) { cu.SPMIN = 5; }, "above its maximum"},
      {"window shorter than the total", [](ConfigUnit& cu) { cu.SPEARLY = 16; },
       "Only 3 questions"},
      {"window past the pattern", [](ConfigUnit& cu) { cu.SPLATE = 40; }, "within 1 to 30"},
      {"window reversed", [](ConfigUnit& cu) { cu.SPEARLY = 19; }, "within 1 to 30"},
      {"window past the quiz", [](ConfigUnit& cu) { cu.QMAX = 15; }, "a quiz has 15"},
      {"too many quizzes", [](ConfigUnit& cu) { cu.QNUM = 400; }, "quizzes is 400"},
      {"no quizzes", [](ConfigUnit& cu) { cu.QNUM = 0; }, "quizzes is 0"},
      {"negative minimum", [](ConfigUnit& cu) { cu.FMIN = -1; }, "FTV minimum is -1"},
      {"count beyond the form", [](ConfigUnit& cu) { cu.SMAX = 12; }, "SIT maximum is 12"},
      {"fixed pattern short of a type",
       [](ConfigUnit& cu) {
         cu.SETSPC = 'Y';
         cu.TYP = "nnFnnRnnnnnnnnnnnnnnnnnnnnnnnn";
       },
       "place 1 FTV questions, but the FTV maximum is 2"},
      {"fixed line never set",
       [](ConfigUnit& cu) {
         cu.SETSPC = 'Y';
         cu.TYP = "nAAAAAAAAAAAAAAAAAnnnnnnnnnnnn";
       },
       "place 0 FTV"},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    PatternBench b("Enter");
    c.edit(b.p.cu);
    EXPECT_NE(pattern_limits_problem(b.p.cu).find(c.words), std::string::npos)
        << pattern_limits_problem(b.p.cu);
    EXPECT_FALSE(SPECPAT(b.p));
  }

  // The whole step tells the user, waits for Enter and writes no pattern file.
  TempDir dir;
  InDir in(dir.path());
  PatternBench b("\"x\" Space Enter");
  b.p.cu.SPMAX = 6;
  EXPECT_EQ(SPEC2(b.p), PatternEnd::Refused);
  EXPECT_EQ(b.term.keys_read(), 3u);
  EXPECT_NE(b.p.con.row_text(3).find("cannot make specialty patterns"), std::string::npos);
  EXPECT_NE(b.p.con.row_text(5).find("less than the total maximum, 6."), std::string::npos);
  EXPECT_EQ(b.p.con.cell(3, 5).bg, 4);
  EXPECT_FALSE(dir.exists("pat.txt"));
}

TEST(PatternLimits, DemoStylesMakePatterns) {
  for (const char* name : {"Weekly.spe", "Chapters.spe", "Fixed.spe", "New.spe"}) {
    SCOPED_TRACE(name);
    PatternBench b;
    static_cast<StyleValues&>(b.p.cu) =
        read_style_file(std::string(HALVORIN_SOURCE_DIR) + "/demo/" + name);
    EXPECT_EQ(pattern_limits_problem(b.p.cu), "");
    for (int n = 0; n < 20; ++n) ASSERT_TRUE(SPECPAT(b.p));
  }
}

}  // namespace
}  // namespace halvorin::testing
