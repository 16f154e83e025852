#include "material/interrogative.hpp"

#include <gtest/gtest.h>

#include "material_fixture.hpp"
#include "platform/errors.hpp"

namespace halvorin {
namespace {

using testing::InProcess;
using testing::qline;

TEST(Interrogative, OpeningsAndExceptions) {
  struct Case {
    const char* text;  // from column 7
    bool interrogative;
  };
  const Case cases[] = {
      {"Who was with Paul?", true},
      {"who was with Paul?", true},  // a lower-case w in the first column is raised
      {"is it lawful?", false},      // only w is raised
      {"Is it lawful?", true},
      {"When the crowd heard, what did they do?", false},
      {"When did they leave?", true},
      {"What, then, shall we do?", true},
      {"Whatever he asked", false},
      {"When Godly men gathered", false},  // "When God" has no trailing blank
      {"When God raised him", false},
      {"When Godfrey came", false},
      {"What I have I give", false},
      {"What is this?", true},
      {"How true is it", false},
      {"How trueish", true},  // "How true " needs its blank
      {"When Moses fled", false},
      {"When Mosesfled", true},
      {"When Priscilla heard", false},
      {"Through whom did it come?", true},
      {"Against which city?", true},
      {"Do you know?", true},
      {"Do yo", false},  // shorter than the entry
      {"Who", false},    // "Who " needs its blank, and the text ends
      {"In what city?", true},
      {"In the city", false},
      {"Off whom", true},
      {"\tWho?", false},  // the text must begin in column 7
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(is_interrogative(std::string(" 1: 1\t") + c.text), c.interrogative) << c.text;
  }
  // Only the text column counts: a short line does not match anything.
  EXPECT_FALSE(is_interrogative(" 1: 1"));
  EXPECT_FALSE(is_interrogative("Who is"));
}

TEST(Interrogative, CountintMarksTheRangeSectorBySector) {
  InProcess ip;
  ip.dir.write_lines("Acts.A",
                     {qline(1, 1, "Who? (before the range)"), qline(1, 2, "Who one"),
                      qline(1, 2, "Peter two"), qline(1, 3, "when three"), qline(1, 4, "Is four")});
  RunState& rs = ip.p.rs;
  rs.REGFILE = "Acts.A";
  rs.BEFORE = 1;
  rs.SECTORS = 2;
  rs.QPS[1] = 2;
  rs.QPS[2] = 1;
  rs.INT(2, 2) = true;  // beyond the sector's questions: left alone
  COUNTINT(ip.p);
  EXPECT_TRUE(rs.INT(1, 1));
  EXPECT_FALSE(rs.INT(1, 2));
  EXPECT_TRUE(rs.INT(2, 1));
  EXPECT_TRUE(rs.INT(2, 2));
  EXPECT_EQ(ip.p.con.row_text(3).substr(2, 35), "Creating index of interrogatives...");

  // Counts promising more questions than the file has are refused, naming the file.
  rs.QPS[2] = 3;
  try {
    COUNTINT(ip.p);
    ADD_FAILURE() << "read past the end";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), "Acts.A");
    EXPECT_EQ(e.line(), 6);
  }
}

}  // namespace
}  // namespace halvorin
