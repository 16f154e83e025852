// Specialty patterns: many generated patterns checked against the style's limits, fixed types,
// and hand-edited styles whose limits cannot make a pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bench.hpp"
#include "config/pattern.hpp"
#include "state/style.hpp"

namespace halvorin::testing {
namespace {

TEST(PatternGeneration, EveryPatternKeepsTheStyleLimits) {
  const std::pair<const char*, Limits> cases[] = {
      {"weekly demo", {2, 18, 2, 4, 1, 2, 0, 1, 0, 1, 0, 1}},
      {"widest ranges", {1, 30, 0, 20, 0, 10, 0, 10, 0, 10, 0, 10}},
      {"total fills the window", {5, 12, 8, 8, 2, 2, 2, 2, 2, 2, 2, 2}},
      {"single position", {7, 7, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0}},
      {"all maxima zero", {1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      // Rare draws (all four counts 0) must not be given up on.
      {"no total, wide type ranges", {1, 20, 0, 0, 0, 10, 0, 10, 0, 10, 0, 10}},
  };
  for (const auto& [name, l] : cases) {
    SCOPED_TRACE(name);
    PatternBench b("", 20240);
    b.set(l);
    b.p.cu.QMAX = 30;
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
        EXPECT_TRUE(first + 1 >= size_t(l[0]) && last < size_t(l[1])) << t;
      }
      seen.insert(t);
    }
    EXPECT_EQ(seen.size() > 20, l[3] > 0 && l[1] > l[0]) << "patterns are arranged per quiz";
    if (l[3] == 0) {
      EXPECT_EQ(*seen.begin(), std::string(30, 'n'));
    }
  }
}

TEST(PatternLimits, HandEditedStylesThatCannotMakeAPatternAreRefused) {
  using Edit = void (*)(ConfigUnit&);
  const std::pair<Edit, const char*> cases[] = {
      {[](ConfigUnit& c) { c.SPMAX = 6; }, "type maxima add up to 5"},
      {[](ConfigUnit& c) { c.SPEARLY = 16; }, "Only 3 questions"},
      {[](ConfigUnit& c) { c.SPLATE = 40; }, "within 1 to 30"},
      {[](ConfigUnit& c) { c.QMAX = 17; }, "a quiz has 17"},
      {[](ConfigUnit& c) { c.SETSPC = 'Y', c.TYP = "nnFnnRnnnn"; }, "place 1 FTV question, but"},
  };
  for (const auto& [edit, words] : cases) {
    PatternBench b;
    edit(b.p.cu);
    EXPECT_NE(pattern_limits_problem(b.p.cu).find(words), std::string::npos) << words;
    EXPECT_FALSE(SPECPAT(b.p)) << words;
  }
  // The step tells the user, waits for Enter and writes no pattern file.
  PatternBench b("Space Enter");
  b.p.cu.SPMAX = 6;
  EXPECT_EQ(SPEC2(b.p), PatternEnd::Refused);
  EXPECT_EQ(b.term.keys_read(), 2u);
  EXPECT_NE(b.p.con.row_text(5).find("less than the total maximum, 6."), std::string::npos);
  EXPECT_FALSE(b.dir.exists("pat.txt"));

  for (const char* name : {"Weekly", "Chapters", "Fixed", "New"}) {
    static_cast<StyleValues&>(b.p.cu) =
        read_style_file(std::string(HALVORIN_SOURCE_DIR) + "/demo/" + name + ".spe");
    EXPECT_EQ(pattern_limits_problem(b.p.cu), "") << name;
  }
}

}  // namespace
}  // namespace halvorin::testing
