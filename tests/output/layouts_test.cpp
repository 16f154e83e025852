// The three layouts of the quiz file, compared in full with text written out by hand.
#include <gtest/gtest.h>

#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

// One question of every kind: regular with a tab before its answer, CV Ref, SIT with a quotation
// and an answer, FTV, quotation FTV and CO Ref.
const std::vector<std::string> kMixed = {
    " 1:26\tWho was chosen to replace Judas?\tMatthias",
    " 2:38\tCV\tWhat did Peter tell the crowd to do when they were cut to the heart? Repent and "
    "be baptized",
    "16:31\tPaul and Silas speak to the jailer in Philippi: \"Believe in the Lord Jesus, and you "
    "will be saved, you and your household.\" Who said this? *Paul and Silas",
    " 1: 8\tFTa\tBut you will receive power when the Holy Spirit has come upon you, and you will "
    "be my witnesses in Jerusalem and in all Judea and Samaria.",
    "20:35\tQTb\tIt is more blessed to give than to receive.",
    "12: 7\tCO\twho struck Peter on the side and woke him? An angel of the Lord",
};

std::vector<std::string> empties(int n) { return std::vector<std::string>(n, ""); }

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

TEST(Cards, TitleCardAndOneCardPerQuestionPaddedTo18) {
  QuizFixture f;
  f.p.rs.AB = 4;
  f.quiz("nRSFFO", kMixed);
  std::vector<std::string> want = {
      "", "", "    League Style Quizzing", "", "    A 1:1 to A 28:31", "", "    Quiz Number 7"};
  append(want, empties(11));
  // The regular question breaks after its question mark; the answer stands apart.
  append(want, {"", "", "    A  1:26" + blanks(29) + "Quiz 7", "", "",
                "     1. Who was chosen to replace Judas?", "", pad("        Matthias", 45)});
  append(want, empties(10));
  append(want,
         {"", "", "    A  2:38   CV" + blanks(22) + "Quiz 7", "", "",
          "      2. Accd. to Acts chapter 2 verse 38, ", "",
          "        What did Peter tell the crowd to do ",
          "        when they were cut to the heart? ", pad("        Repent and be baptized", 45)});
  append(want, empties(8));
  append(want,
         {"", "", "", "    A 16:31  SIT" + blanks(24) + "Quiz 7", "", "",
          "     3. Paul and Silas speak to the jailer in Philippi:", "",
          "        \"Believe in the Lord Jesus, and you ", "        will be saved, you and your ",
          "        household.\" Who said this? *Paul and ", pad("        Silas", 45)});
  append(want, empties(6));
  append(want,
         {"", "", "    A  1: 8   FTa" + blanks(21) + "Quiz 7", "", "",
          "     4. But you will receive power when the",
          "        Holy Spirit has come upon you, and ", "        you will be my witnesses in ",
          "        Jerusalem and in all Judea and ", pad("        Samaria.", 45)});
  append(want, empties(8));
  // Positions past AB show blanks where the number would be.
  append(want, {"", "", "    A 20:35   QTb" + blanks(21) + "Quiz 7", "", "",
                "      . Quote Acts Chapter 20 verse 35", "",
                "        It is more blessed to give than to ", pad("        receive.", 45)});
  append(want, empties(9));
  append(want,
         {"", "", "    A 12: 7   CO" + blanks(22) + "Quiz 7", "", "",
          "      . According to Acts chapter 12", "", "        who struck Peter on the side and ",
          pad("        woke him? An angel of the Lord", 45)});
  append(want, empties(9));
  EXPECT_EQ(f.write('C'), crlf(want));
  EXPECT_EQ(f.write('c'), crlf(want));
}

TEST(Pages, HeaderQuestionLinesAndReferenceColumn) {
  QuizFixture f;
  f.p.rs.AB = 4;
  f.quiz("nRSFFO", kMixed);
  const std::string rule(78, '_');
  std::vector<std::string> want = {"A 1:1 to A 28:31  " + blanks(10) + "League Style Quizzing " +
                                       blanks(2) + blanks(10) + "   Quiz Number 7",
                                   rule, "", "Type      Question" + blanks(55) + "Verse", rule};
  append(want, {"", pad("       1. Who was chosen to replace Judas?", 71) + "A  1:26",
                pad("               Matthias", 70)});
  append(want, {"", pad("CV     2. According to Acts chapter 2 verse 38, ", 71) + "A  2:38",
                "               What did Peter tell the crowd to do when they were cut ",
                pad("               to the heart? Repent and be baptized", 70)});
  append(want,
         {"", pad("SIT    3. Paul and Silas speak to the jailer in Philippi:,", 71) + "A 16:31",
          "               \"Believe in the Lord Jesus, and you will be saved, you ",
          pad("               and your household.\" Who said this? *Paul and Silas", 70)});
  append(want, {"", "FTa    4. But...you...will...receive...power..." + blanks(24) + "A  1: 8",
                "               when the Holy Spirit has come upon you, and you will ",
                "               be my witnesses in Jerusalem and in all Judea and ",
                pad("               Samaria.", 70)});
  append(want, {"", "QTb     . Quote Acts Chapter 20 verse 35" + blanks(31) + "A 20:35",
                pad("               It is more blessed to give than to receive.", 70)});
  append(want, {"", "CO      . According to Acts chapter 12, " + blanks(31) + "A 12: 7",
                "               who struck Peter on the side and woke him? An angel of ",
                pad("               the Lord", 70)});
  const std::string got = f.write('P');
  EXPECT_EQ(got, crlf(want) + "\f");
  EXPECT_EQ(want[0].size(), 78u);
  EXPECT_EQ(f.write('p'), got);
}

TEST(Tabbed, HeaderLeadInsAndAnswerColumn) {
  QuizFixture f;
  f.p.rs.AB = 4;
  f.quiz("nRSFFO", kMixed);
  std::vector<std::string> want = {
      "Quiz 7\t\tLeague Style Quizzing\tA 1:1 to A 28:31",
      "",
      "Number\tType\tQuestion\tAnswer\tVerse",
      " 1\t\tWho was chosen to replace Judas?\tMatthias\t(A  1:26)",
      " 2\tCV\tAccording to Acts chapter 2 verse 38, What did Peter tell the crowd to do when they "
      "were cut to the heart? Repent and be baptized\t(A  2:38)",
      " 3\tSIT\tPaul and Silas speak to the jailer in Philippi: \"Believe in the Lord Jesus, and "
      "you will be saved, you and your household.\" Who said this? \t*Paul and Silas\t(A 16:31)",
      " 4\tFTa\tBut...you...will...receive...power...\twhen the Holy Spirit has come upon you, and "
      "you will be my witnesses in Jerusalem and in all Judea and Samaria.\t(A  1: 8)",
      "\tQTb\tQuote Acts chapter 20 verse 35.\tIt is more blessed to give than to receive.\t(A "
      "20:35)",
      "\tCO\tAccording to Acts Chapter 12,  who struck Peter on the side and woke him? An angel of "
      "the Lord\t(A 12: 7)",
      "<pb>"};
  EXPECT_EQ(f.write('T'), crlf(want));
  EXPECT_EQ(f.write('X'), crlf(want));  // any letter other than C and P
}

TEST(Tabbed, TabsInsideSitTextsBecomeTwoBlanksAndTheTextEndsAtThreeBlanks) {
  QuizFixture f;
  f.quiz("Sn", {" 5: 3\tPeter\tsays, \"Why has Satan filled your heart?\" *Peter  x   ignored",
                " 5: 4\tWhy did you lie?   Not this"});
  f.write('T');
  auto lines = f.dir.lines("out.qui");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3],
            " 1\tSIT\tPeter  says, \"Why has Satan filled your heart?\" \t*Peter  x\t(A  5: 3)");
  EXPECT_EQ(lines[4], " 2\t\tWhy did you lie?\t(A  5: 4)");
}

TEST(Layouts, LongSitAndFtvTextsRunOnIntoTheirContinuation) {
  // The stored line is split at 254; the writer joins the pieces again.
  std::string verse = " 3:19\tFTc\tRepent therefore, and turn back,";
  while (verse.size() < 254) verse += " that your sins may be blotted out";
  std::string first = verse.substr(0, 254), second = verse.substr(254) + " END OF VERSE";
  QuizFixture f;
  f.quiz("Fn", {first, " 3:20\tWho?"}, {second});
  for (char out : {'C', 'P', 'T'}) {
    std::string s = f.write(out);
    EXPECT_NE(s.find("END OF VERSE"), std::string::npos) << out;
  }
  // A regular question's continuation field is not read.
  f.quiz("nn", {" 3:19\tWho?", " 3:20\tWhom?"}, {"", "NOT SHOWN"});
  for (char out : {'C', 'P', 'T'}) EXPECT_EQ(f.write(out).find("NOT SHOWN"), std::string::npos);
}

TEST(Layouts, CaretsPrintAsAsterisksOnContinuationLinesOnly) {
  QuizFixture f;
  f.quiz("n", {" 4:12\t^Salvation is found in no one else, for there is no other name under "
               "heaven given to men by which we must be ^saved"});
  std::string s = f.write('P');
  EXPECT_NE(s.find(". ^Salvation is found"), std::string::npos);
  EXPECT_NE(s.find("               *saved"), std::string::npos);
  EXPECT_EQ(s.find("^saved"), std::string::npos);
}

}  // namespace
}  // namespace halvorin::testing
