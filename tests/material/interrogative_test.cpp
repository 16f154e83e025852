#include "material/interrogative.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "support/bench.hpp"

namespace halvorin {
namespace {

TEST(Interrogative, OpeningsAndExceptions) {
  std::istringstream in(testing::test_data("material/golden/openings.txt"));
  int cases = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    ++cases;
    EXPECT_EQ(is_interrogative(" 1: 1\t" + line.substr(2)), line[0] == 'Y') << line;
  }
  EXPECT_GT(cases, 60);
}

TEST(Interrogative, CountintMarksTheRangeSectorBySector) {
  testing::ProgramBench ip;
  ip.dir.write_lines("Acts.A", {" 1: 1\tWho? (before)", " 1: 2\tWho one", " 1: 2\tPeter two",
                                " 1: 3\twhen three"});
  RunState& rs = ip.p.rs;
  rs.REGFILE = "Acts.A";
  rs.BEFORE = 1;
  rs.SECTORS = 2;
  rs.QPS[1] = 2;
  rs.QPS[2] = 1;
  COUNTINT(ip.p);
  EXPECT_EQ(std::vector<bool>({rs.INT(1, 1), rs.INT(1, 2), rs.INT(2, 1)}),
            std::vector<bool>({true, false, true}));
  EXPECT_EQ(ip.p.con.row_text(3).substr(0, 37), "  Creating index of interrogatives...");
  rs.QPS[2] = 2;  // counts that promise more lines than the file has
  EXPECT_THROW(COUNTINT(ip.p), FileError);
}

TEST(Interrogative, CountintGivesEveryQuestionOfALargeSectorItsOwnEntry) {
  // A sector of 203 regular questions: question 201 has its own entry, not question 1's.
  testing::ProgramBench ip;
  std::vector<std::string> lines(203, " 1: 1\tName the town.");
  lines[200] = " 1: 1\tWho went?";
  ip.dir.write_lines("Acts.A", lines);
  RunState& rs = ip.p.rs;
  rs.REGFILE = "Acts.A";
  rs.SECTORS = 1;
  rs.QPS[1] = 203;
  ASSERT_NO_THROW(COUNTINT(ip.p));
  EXPECT_EQ(std::vector<bool>({rs.INT(1, 1), rs.INT(1, 200), rs.INT(1, 201), rs.INT(1, 203)}),
            std::vector<bool>({false, false, true, false}));
}

}  // namespace
}  // namespace halvorin
