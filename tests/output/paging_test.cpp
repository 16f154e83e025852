// Page breaks of the page layout.
#include <gtest/gtest.h>

#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

// A regular question that takes a first line and one continuation line on a page.
const std::string kThreeLines =
    " 1:26\tWho was chosen by lot to be numbered with the eleven apostles after Judas fell "
    "away?\tMatthias";
const std::string kSit =
    " 1:16\tPeter stood up and said: \"Brothers, the Scripture had to be "
    "fulfilled.\" *Peter";

std::vector<std::string> copies(const std::string& line, int n) {
  return std::vector<std::string>(static_cast<size_t>(n), line);
}

std::vector<size_t> page_lines(const std::vector<std::string>& lines) {
  std::vector<size_t> at;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind("\fPage ", 0) == 0) at.push_back(i);
  return at;
}

TEST(Pages, BreaksWhenMoreThanLppLessSixLinesAreUsed) {
  QuizFixture f;
  f.p.rs.LPP = 66;
  f.quiz(std::string(20, 'n'), copies(kThreeLines, 20));
  const std::string s = f.write('P');
  ASSERT_EQ(s.back(), '\f');
  auto lines = f.dir.lines("out.qui");
  // 7 lines, then 3 per question: 61 after the 18th, more than 60.
  ASSERT_EQ(page_lines(lines), std::vector<size_t>{5 + 18 * 3});
  EXPECT_EQ(lines[59], "\fPage 2 " + blanks(65) + "Quiz 7");
  EXPECT_EQ(lines[60], std::string(78, '_'));
  EXPECT_EQ(lines[61], "");
  EXPECT_EQ(lines[62].substr(0, 28), "      19. Who was chosen by ");
  EXPECT_EQ(lines[57],
            pad("      18. Who was chosen by lot to be numbered with the eleven", 71) + "A  1:26");
  // The same quiz ending with its 18th question has no page break: the last never opens one.
  f.quiz(std::string(18, 'n'), copies(kThreeLines, 18));
  const std::string last = f.write('P');
  EXPECT_EQ(last.substr(last.size() - 3), "\r\n\f");
  EXPECT_TRUE(page_lines(f.dir.lines("out.qui")).empty());
}

TEST(Pages, BreaksEarlierBeforeSitAndFtv) {
  for (char kind : {'S', 'F'}) {
    QuizFixture f;
    std::string typ(20, 'n');
    typ[17] = kind;
    auto qs = copies(kThreeLines, 20);
    qs[17] = kind == 'S' ? kSit : " 1:16\tFTa\tBrothers, the Scripture had to be fulfilled";
    f.quiz(typ, qs);
    f.write('P');
    // 58 lines after the 17th question: more than 56 with a SIT or FTV next.
    EXPECT_EQ(page_lines(f.dir.lines("out.qui")), std::vector<size_t>{5 + 17 * 3}) << kind;
  }
}

}  // namespace
}  // namespace halvorin::testing
