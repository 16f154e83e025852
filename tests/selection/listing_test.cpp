// Lines of the used-question list, one layout per pattern letter.
#include "selection/listing.hpp"

#include "platform/screen.hpp"
#include "selection_fixture.hpp"

namespace halvorin::testing {
namespace {

TEST(Listing, HeadingKeepsTheQuizNumberInItsColumn) {
  const std::string head =
      "  Que Sec Num    Verse  Type  Question" + std::string(27, ' ') + "Quiz ";
  EXPECT_EQ(inf_heading(7), "  Que Sec Num    Verse  Type  Question  " + head.substr(38) + "7");
  EXPECT_EQ(inf_heading(42), "  Que Sec Num    Verse  Type  Question " + head.substr(38) + "42");
  EXPECT_EQ(inf_heading(150), head + "150");
}

TEST(Listing, QuestionLinesFollowTheirKindsLayout) {
  const std::string forty = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";  // 40 characters
  struct Case {
    char letter;
    std::string line;
    std::string rest;  // what follows the position, sector, number and book letter
  };
  for (const Case& c : std::vector<Case>{
           {'R', " 3: 7\tCV\tWhat does it say?\tanswer", " 3: 7  CV    What does it say?"},
           {'O', " 3: 7\tCO\t" + forty + "XYZ\tanswer", " 3: 7  CO    " + forty + "..."},
           {'O', " 3: 7\tCO\t" + forty + "\tanswer", " 3: 7  CO    " + forty},
           {'S', " 4: 2\tWho said it?\tPaul\tmore", " 4: 2  SIT   Who said it? Paul"},
           {'S', "12:34\t" + forty + "more", "12:34  SIT   " + forty + "..."},
           {'S', " 4: 2\t" + forty.substr(0, 30) + "\t" + forty,
            " 4: 2  SIT   " + forty.substr(0, 30) + " " + forty.substr(0, 9) + "..."},
           {'F', " 5: 1\tFTa\tAnd the verse\tx", " 5: 1  FTa   And the verse"},
           {'F', " 5: 1\tQTaqtx\t" + forty + "!\tx", " 5: 1  QTaqtx" + forty + "..."},
           {'n', " 1: 4\tWho was there?\tanswer",
            " 1: 4" + std::string(8, ' ') + pad_right("Who was there?", 43)},
           {'n', " 1: 4\t" + forty + "longer", " 1: 4" + std::string(8, ' ') + forty + "..."},
       }) {
    SCOPED_TRACE(c.line);
    RunState rs;
    rs.TYP = std::string("n") + c.letter;
    rs.SECTOR[2] = 13;
    rs.RLBK[2] = 'A';
    rs.ALL[2] = c.line;
    EXPECT_EQ(question_line(rs, 2, 7), "   2.  13   7  A " + c.rest);
  }
}

}  // namespace
}  // namespace halvorin::testing
