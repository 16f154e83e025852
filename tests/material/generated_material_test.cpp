// Totals on generated material, checked against a count of its files made here independently.
#include <gtest/gtest.h>

#include "driver/pass.hpp"
#include "driver/steps.hpp"
#include "platform/text_file.hpp"
#include "support/bench.hpp"

namespace halvorin {
namespace {

// The summary line for the range from:to (chapter * 100 + verse) counted straight from the five
// files; the lines before the range of each file go to `before`.
std::string count_summary(const testing::TempDir& dir, const std::vector<std::string>& files,
                          int from, int to, std::vector<int>& before) {
  std::string summary = "  Regular Questions: ";
  const char* labels[] = {"   FTV: ", "   CV Refs: ", "   CO Refs: ", "   SIT: ", ""};
  for (size_t k = 0; k < files.size(); ++k) {
    int b = 0, in = 0;
    for (const std::string& line : dir.lines(files[k])) {
      int at = std::stoi(line.substr(0, 2)) * 100 + std::stoi(line.substr(3, 2));
      b += at < from;
      in += at >= from && at <= to;
    }
    before.push_back(b);
    summary += std::to_string(in) + labels[k];
  }
  return pad_right(summary, 80);
}

TEST(GeneratedMaterial, TotalsMatchAnIndependentCount) {
  testing::ProgramBench ip;
  testing::copy_demo(ip.dir);
  testing::generate_material(ip.dir, "small", 3);
  RunState& rs = ip.p.rs;
  rs.NAME = "Weekly";
  read_run_style(ip.p);
  name_ftv_and_count_files(ip.p);
  rs.QMAX = 1;                                             // the summary, not the warning
  rs.BCHAP = 2, rs.BVER = 10, rs.ECHAP = 13, rs.EVER = 5;  // material lies before and after it
  ASSERT_EQ(count_material(ip.p), Step::Continue);
  std::vector<std::string> files;
  for (auto f : {rs.REGFILE, rs.FTVFILE, rs.CVFILE, rs.COFILE, rs.SITFILE})
    files.push_back(find_file(f));  // the list letter may be stored in lower case
  std::vector<int> before;
  EXPECT_EQ(ip.p.con.row_text(4), count_summary(ip.dir, files, 210, 1305, before));
  EXPECT_EQ(before, std::vector<int>({rs.BEFORE, rs.FBEFORE, rs.RBEFORE, rs.OBEFORE, rs.SBEFORE}));
  EXPECT_GT(rs.TQUEST * rs.BEFORE, 0);
  EXPECT_EQ(ip.dir.lines(rs.COUNTFILE).size(), 1820u);
}

}  // namespace
}  // namespace halvorin
