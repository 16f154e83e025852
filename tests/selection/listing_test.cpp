// Lines of the used-question list, one layout per pattern letter.
#include "selection/listing.hpp"

#include "fixture.hpp"

namespace halvorin::testing {
namespace {

TEST(Listing, HeadingKeepsTheQuizNumberInItsColumn) {
  const std::string head = std::string(kListHeading) + std::string(27, ' ') + "Quiz ";
  EXPECT_EQ(inf_heading(7), std::string(kListHeading) + "  " + head.substr(38) + "7");
  EXPECT_EQ(inf_heading(42), std::string(kListHeading) + " " + head.substr(38) + "42");
  EXPECT_EQ(inf_heading(150), head + "150");
}

TEST(Listing, QuestionLinesFollowTheirKindsLayout) {
  const std::string forty = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
  const std::string thirty = forty.substr(0, 30);
  for (auto [letter, line, rest] : std::vector<std::tuple<char, std::string, std::string>>{
           {'R', " 3: 7\tCV\tWhat does it say?\tanswer", " 3: 7  CV    What does it say?"},
           {'O', " 3: 7\tCO\t" + forty + "XYZ\tanswer", " 3: 7  CO    " + forty + "..."},
           {'S', " 4: 2\tWho said it?\tPaul\tmore", " 4: 2  SIT   Who said it? Paul"},
           {'S', " 4: 2\t" + thirty + "\t" + forty,
            " 4: 2  SIT   " + thirty + " " + forty.substr(0, 9) + "..."},
           {'F', " 5: 1\tFTa\tAnd the verse\tx", " 5: 1  FTa   And the verse"},
           {'F', " 5: 1\tQTaqtx\t" + forty + "!\tx", " 5: 1  QTaqtx" + forty + "..."},
           {'n', " 1: 4\tWho was there?\tanswer",
            " 1: 4        " + pad_right("Who was there?", 43)}}) {
    RunState rs;
    rs.TYP = std::string("n") + letter;
    rs.SECTOR[2] = 13;
    rs.RLBK[2] = 'A';
    rs.ALL[2] = line;
    EXPECT_EQ(question_line(rs, 2, 7), "   2.  13   7  A " + rest) << line;
  }
}

}  // namespace
}  // namespace halvorin::testing
