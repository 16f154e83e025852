// Counts on generated material, checked against a count of the files made here independently.
#include <gtest/gtest.h>

#include <filesystem>

#include "driver/pass.hpp"
#include "driver/steps.hpp"
#include "material_fixture.hpp"

namespace halvorin {
namespace {

using testing::InProcess;

struct Tally {
  int before = 0, inside = 0;
};

// Reads chapter and verse from each line's first five columns and sorts the line into before,
// inside or after the range.
Tally tally(const testing::TempDir& dir, const std::string& file, const RunState& rs) {
  Tally t;
  for (const std::string& line : dir.lines(file)) {
    int ch = std::stoi(line.substr(0, 2)), v = std::stoi(line.substr(3, 2));
    auto key = [](int c, int vv) { return c * 100 + vv; };
    if (key(ch, v) < key(rs.BCHAP, rs.BVER))
      ++t.before;
    else if (key(ch, v) <= key(rs.ECHAP, rs.EVER))
      ++t.inside;
  }
  return t;
}

TEST(GeneratedMaterial, SummaryMatchesAnIndependentCount) {
  if (!std::filesystem::exists(HALVORIN_MATERIAL_BIN)) GTEST_SKIP() << "no material generator";
  InProcess ip;
  testing::copy_demo(ip.dir);
  testing::generate_material(ip.dir, "small", 3);
  Program& p = ip.p;
  p.rs.NAME = "Weekly";
  read_run_style(p);
  name_ftv_and_count_files(p);
  p.rs.QMAX = 1;  // the summary, not the warning
  ASSERT_EQ(count_material(p), Step::Continue);

  Tally q = tally(ip.dir, p.rs.REGFILE, p.rs), f = tally(ip.dir, p.rs.FTVFILE, p.rs),
        r = tally(ip.dir, p.rs.CVFILE, p.rs), o = tally(ip.dir, p.rs.COFILE, p.rs),
        s = tally(ip.dir, p.rs.SITFILE, p.rs);
  EXPECT_GT(q.before + q.inside, 0);
  EXPECT_EQ(p.rs.BEFORE, q.before);
  EXPECT_EQ(p.rs.FBEFORE, f.before);
  EXPECT_EQ(p.rs.RBEFORE, r.before);
  EXPECT_EQ(p.rs.OBEFORE, o.before);
  EXPECT_EQ(p.rs.SBEFORE, s.before);
  std::string expected =
      "  Regular Questions: " + std::to_string(q.inside) + "   FTV: " + std::to_string(f.inside) +
      "   CV Refs: " + std::to_string(r.inside) + "   CO Refs: " + std::to_string(o.inside) +
      "   SIT: " + std::to_string(s.inside);
  EXPECT_EQ(p.con.row_text(4), pad_right(expected, 80));
}

}  // namespace
}  // namespace halvorin
