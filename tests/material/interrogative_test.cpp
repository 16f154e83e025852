#include "material/interrogative.hpp"

#include <gtest/gtest.h>

#include "support/bench.hpp"

namespace halvorin {
namespace {

TEST(Interrogative, OpeningsAndExceptions) {
  struct Case {
    const char* text;  // from column 7
    bool interrogative;
  } cases[] = {
      {"Who was with Paul?", true},
      {"who was with Paul?", true},  // a lower-case w in the first column is raised
      {"is it lawful?", false},      // only w is raised
      {"When did they leave?", true},
      {"What, then, shall we do?", true},
      {"When Godly men gathered", false},  // "When God" has no trailing blank
      {"How trueish", true},               // "How true " needs its blank
      {"Who", false},                      // "Who " needs its blank and the text ends
      {"\tWho?", false},                   // the text begins in column 7
  };
  for (const Case& c : cases)
    EXPECT_EQ(is_interrogative(std::string(" 1: 1\t") + c.text), c.interrogative) << c.text;
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
