// Specialty patterns: many generated patterns checked against the style's limits, fixed types,
// and hand-edited styles whose limits cannot make a pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bench.hpp"
#include "config/pattern.hpp"

namespace halvorin::testing {
namespace {

TEST(PatternGeneration, EveryPatternKeepsTheStyleLimits) {
  const std::string path = "config/cases/patterns.tsv";
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    Limits l;
    for (size_t k = 0; k < l.size(); ++k) l[k] = c.num(k + 1);
    PatternBench b("", 20240);
    b.set(l);
    b.p.cu.QMAX = c.num(13);
    const int window = l[1] - l[0] + 1;
    int after = 0;  // patterns with a specialty on the question after the window
    std::set<std::string> seen;
    for (int n = 0; n < 300; ++n) {
      ASSERT_TRUE(SPECPAT(b.p));
      const std::string& t = b.p.cu.TYP;
      ASSERT_EQ(t.size(), 30u);
      ASSERT_EQ(t.find_first_not_of("FROSn"), std::string::npos) << t;
      const int total = 30 - static_cast<int>(std::count(t.begin(), t.end(), 'n'));
      EXPECT_TRUE(total >= l[2] && total <= l[3] && total == b.p.cu.SPECS) << t;
      for (int k = 0; k < 4; ++k) {
        const int held = static_cast<int>(std::count(t.begin(), t.end(), "FROS"[k]));
        EXPECT_TRUE(held >= l[4 + 2 * k] && held <= l[5 + 2 * k]) << t;
      }
      const size_t first = t.find_first_not_of('n'), last = t.find_last_not_of('n');
      if (first != std::string::npos) {
        const bool room = total == window && l[1] < b.p.cu.QMAX;
        EXPECT_TRUE(first + 1 >= size_t(l[0]) && last < size_t(l[1] + room)) << t;
        after += last == size_t(l[1]);
      }
      seen.insert(t);
    }
    // Where every total fills the window, a fair share of the patterns use the question after it.
    EXPECT_EQ(after > (l[2] == window ? 30 : 0), l[3] == window && l[1] < b.p.cu.QMAX) << after;
    EXPECT_EQ(seen.size() > 20, l[3] > 0 && l[1] > l[0]) << "patterns are arranged per quiz";
    if (l[3] == 0) {
      EXPECT_EQ(*seen.begin(), std::string(30, 'n'));
    }
  }
}

// The step tells the user why, waits for Enter (not Space) and writes no pattern file.
TEST(PatternLimits, HandEditedStylesThatCannotMakeAPatternAreRefused) {
  const std::string path = "config/cases/refusals.tsv";
  for (const CaseRow& c : test_table(path)) {
    SCOPED_TRACE(case_name(path, c));
    PatternBench b("Space Enter");
    edit(b.p.cu, c[0]);
    EXPECT_NE(pattern_limits_problem(b.p.cu).find(c[1]), std::string::npos);
    EXPECT_EQ(SPEC2(b.p), PatternEnd::Refused);
    EXPECT_EQ(b.term.keys_read(), 2u);
    EXPECT_FALSE(b.dir.exists("pat.txt"));
    EXPECT_FALSE(SPECPAT(b.p));
    if (c[2] != "-") expect_screen("config/golden/" + c[2] + ".screen", b.p.con);
  }
  for (const char* name : {"Weekly", "Chapters", "Fixed", "New"})
    EXPECT_EQ(pattern_limits_problem(demo_style(name)), "") << name;
}

}  // namespace
}  // namespace halvorin::testing
