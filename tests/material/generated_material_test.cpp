// Totals on generated material, checked against a count of its files made here independently.
#include <gtest/gtest.h>

#include "driver/pass.hpp"
#include "driver/steps.hpp"
#include "material_fixture.hpp"
#include "platform/text_file.hpp"

namespace halvorin {
namespace {

TEST(GeneratedMaterial, TotalsMatchAnIndependentCount) {
  testing::InProcess ip;
  testing::copy_demo(ip.dir);
  testing::generate_material(ip.dir, "small", 3);
  RunState& rs = ip.p.rs;
  rs.NAME = "Weekly";
  read_run_style(ip.p);
  name_ftv_and_count_files(ip.p);
  rs.QMAX = 1;  // the summary, not the warning
  rs.BCHAP = 2, rs.BVER = 10, rs.ECHAP = 13, rs.EVER = 5;  // material lies before and after it
  ASSERT_EQ(count_material(ip.p), Step::Continue);

  std::string summary = "  Regular Questions: ";
  std::vector<int> before;
  const char* labels[] = {"   FTV: ", "   CV Refs: ", "   CO Refs: ", "   SIT: ", ""};
  int k = 0;
  for (const std::string* file : {&rs.REGFILE, &rs.FTVFILE, &rs.CVFILE, &rs.COFILE, &rs.SITFILE}) {
    int b = 0, in = 0, from = rs.BCHAP * 100 + rs.BVER, to = rs.ECHAP * 100 + rs.EVER;
    for (const std::string& line : ip.dir.lines(find_file(*file))) {  // may be stored as 'Acts.b'
      int at = std::stoi(line.substr(0, 2)) * 100 + std::stoi(line.substr(3, 2));
      b += at < from;
      in += at >= from && at <= to;
    }
    before.push_back(b);
    summary += std::to_string(in) + labels[k++];
  }
  EXPECT_EQ(ip.p.con.row_text(4), pad_right(summary, 80));
  EXPECT_EQ(before, std::vector<int>({rs.BEFORE, rs.FBEFORE, rs.RBEFORE, rs.OBEFORE, rs.SBEFORE}));
  EXPECT_GT(rs.TQUEST * rs.BEFORE, 0);
}

}  // namespace
}  // namespace halvorin
