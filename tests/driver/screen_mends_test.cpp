// Screens that once broke their frame or their wording: the approval listing of quizzes with 18
// to 20 specialties, and the counts of the pattern refusal screen.
#include <gtest/gtest.h>

#include "config/pattern.hpp"
#include "support/bench.hpp"

namespace halvorin {
namespace {

using testing::RunResult;

class ApprovalListing : public testing::DemoMaterialSuite<1> {};

// Rows 1 and 25 keep the heading and its bottom bar; every specialty of the quiz is listed whole
// and the prompt stays above row 25. Up to 18 the listing keeps its empty lines. The screens are
// in golden/.
TEST_F(ApprovalListing, NeverScrollsTheScreen) {
  for (int n : {18, 19, 20}) {
    SCOPED_TRACE(n);
    std::vector<std::string> st = dir_->lines("Weekly.spe");
    const int each = (n + 3) / 4;         // four types whose maxima add up to at least n
    st[14] = st[15] = std::to_string(n);  // total maximum and minimum
    for (int k = 0; k < 4; ++k) {
      st[static_cast<size_t>(16 + 2 * k)] = std::to_string(each);  // maximum
      st[static_cast<size_t>(17 + 2 * k)] = "0";                   // minimum
    }
    st[25] = "1";  // specialties from question 1
    st[26] = std::to_string(n);
    dir_->write_lines("Weekly.spe", st);
    // Save the style, accept the patterns and sectors, ask for approval: the script ends at the
    // first quiz's question.
    RunResult r =
        testing::run_halvorin(*dir_, "Enter Esc Enter Enter Enter Down Enter", {"--seed", "2"});
    ASSERT_EQ(r.status, 3) << r.err;
    testing::expect_golden("driver/golden/approval-" + std::to_string(n) + ".screen", r.screen);
  }
  testing::copy_demo(*dir_);
}

// The refusal screen counts in the singular for one question (screens in golden/).
TEST(PatternRefusal, CountsReadInTheSingularForOne) {
  struct Case {
    int spearly, splate, fmax;
    const char* typ;
    const char* name;
  } cases[] = {
      {2, 18, 2, "nnFnnRnnnnnnnnnnnnnnnnnnnnnnnn", "one-ftv"},
      {2, 18, 1, "nnFnnFnnnnnnnnnnnnnnnnnnnnnnnn", "two-ftv"},
      {5, 5, 2, "", "one-open"},
      {5, 6, 2, "", "two-open"},
  };
  for (const Case& c : cases) {
    testing::ProgramBench b("Enter");
    ConfigUnit& cu = b.p.cu;
    cu.QMAX = 20;
    cu.QNUM = 1;
    cu.SPEARLY = c.spearly, cu.SPLATE = c.splate;
    cu.SPMIN = 3, cu.SPMAX = 3;
    cu.FMIN = 0, cu.FMAX = c.fmax;
    cu.RMIN = 0, cu.RMAX = 1;
    cu.OMIN = cu.OMAX = cu.SMIN = cu.SMAX = 0;
    cu.SETSPC = *c.typ ? 'Y' : 'N';
    cu.TYP = c.typ;
    EXPECT_EQ(SPEC2(b.p), PatternEnd::Refused);
    testing::expect_screen("driver/golden/refusal-" + std::string(c.name) + ".screen", b.p.con);
  }
}

}  // namespace
}  // namespace halvorin
