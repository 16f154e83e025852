// A screen that once broke its frame: the approval listing of quizzes with 18 to 20 specialties.
#include <gtest/gtest.h>

#include "config/bench.hpp"

namespace halvorin::testing {
namespace {

class ApprovalListing : public DemoMaterialSuite<1> {};

// Rows 1 and 25 keep the heading and its bottom bar; every specialty of the quiz is listed whole
// and the prompt stays above row 25. Up to 18 the listing keeps its empty lines. The screens are
// in golden/.
TEST_F(ApprovalListing, NeverScrollsTheScreen) {
  for (int n : {18, 19, 20}) {
    SCOPED_TRACE(n);
    // n specialties from question 1 on, four types whose maxima add up to at least n.
    const std::string all = std::to_string(n), each = std::to_string((n + 3) / 4);
    change_file(*dir_, "Weekly.spe:15=" + all + ";16=" + all + ";26=1;27=" + all + ";17=" + each +
                           ";18=0;19=" + each + ";20=0;21=" + each + ";22=0;23=" + each + ";24=0");
    // Save the style, accept the patterns and sectors, ask for approval: the script ends at the
    // first quiz's question.
    RunResult r = run_halvorin(*dir_, "Enter Esc Enter Enter Enter Down Enter", {"--seed", "2"});
    ASSERT_EQ(r.status, 3) << r.err;
    expect_golden("driver/golden/approval-" + all + ".screen", r.screen);
  }
  copy_demo(*dir_);
}

}  // namespace
}  // namespace halvorin::testing
