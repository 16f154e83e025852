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
// and the prompt stays above row 25. Up to 18 the listing keeps its empty lines.
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
    EXPECT_EQ(r.row(1).substr(0, 10), "  Halvorin");
    EXPECT_EQ(r.row(25).substr(0, 6), "  TAMR");
    EXPECT_EQ(r.row(3).substr(0, 16), "  Que Sec Num   ");
    int listed = 0, prompt = 0;
    for (int row = 4; row <= 24; ++row) {
      if (r.row(row).rfind("  Do you wish to accept", 0) == 0) prompt = row;
      if (r.row(row).substr(4, 1) == ".") ++listed;
    }
    EXPECT_EQ(listed, n);
    EXPECT_EQ(prompt, n <= 18 ? n + 6 : n + 4);
    if (n <= 18) {
      EXPECT_EQ(r.row(4), std::string(80, ' '));
    }
  }
  testing::copy_demo(*dir_);
}

// The refusal screen counts in the singular for one question.
TEST(PatternRefusal, CountsReadInTheSingularForOne) {
  struct Case {
    int spearly, splate, fmax;
    const char* typ;
    const char* words;
  } cases[] = {
      {2, 18, 2, "nnFnnRnnnnnnnnnnnnnnnnnnnnnnnn", "The fixed types place 1 FTV question, but"},
      {2, 18, 1, "nnFnnFnnnnnnnnnnnnnnnnnnnnnnnn", "The fixed types place 2 FTV questions, but"},
      {5, 5, 2, "", "Only 1 question is open to specialties, fewer"},
      {5, 6, 2, "", "Only 2 questions are open to specialties, fewer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.words);
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
    EXPECT_EQ(b.p.con.row_text(5).substr(2, std::string(c.words).size()), c.words);
  }
}

}  // namespace
}  // namespace halvorin
