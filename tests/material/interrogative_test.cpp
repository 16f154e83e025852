#include "material/interrogative.hpp"

#include <gtest/gtest.h>

#include "support/bench.hpp"

namespace halvorin {
namespace {

TEST(Interrogative, OpeningsAndExceptions) {
  const std::string path = "material/golden/openings.txt";
  const auto rows = testing::test_table(path);
  for (const auto& row : rows)
    EXPECT_EQ(is_interrogative(" 1: 1\t" + row[1]), row[0] == "Y") << testing::case_name(path, row);
  EXPECT_GT(rows.size(), 60u);
}

// The index starts after the questions before the range and gives every question of a sector
// its own entry, also past question 200 of a large sector.
TEST(Interrogative, CountintMarksTheRangeSectorBySector) {
  testing::ProgramBench ip;
  std::vector<std::string> lines(206, " 1: 1\tName the town.");
  lines[0] = " 1: 1\tWho? (before)", lines[1] = " 1: 2\tWho one", lines[3] = " 1: 3\twhen three";
  lines[204] = " 2: 1\tWho went?";
  ip.dir.write_lines("Acts.A", lines);
  RunState& rs = ip.p.rs;
  rs.REGFILE = "Acts.A";
  rs.BEFORE = 1;
  rs.SECTORS = 2;
  rs.QPS[1] = 2;
  rs.QPS[2] = 203;
  COUNTINT(ip.p);
  EXPECT_EQ(std::vector<bool>({rs.INT(1, 1), rs.INT(1, 2), rs.INT(2, 1), rs.INT(2, 200),
                               rs.INT(2, 201), rs.INT(2, 202), rs.INT(2, 203)}),
            std::vector<bool>({true, false, true, false, false, true, false}));
  EXPECT_EQ(ip.p.con.row_text(3).substr(0, 37), "  Creating index of interrogatives...");
  rs.QPS[2] = 205;  // counts that promise more lines than the file has
  EXPECT_THROW(COUNTINT(ip.p), FileError);
}

}  // namespace
}  // namespace halvorin
