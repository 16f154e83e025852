// Question lines the stored material should not hold but may: the writer keeps to its buffer,
// ends, and lays out what it can.
#include <gtest/gtest.h>

#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

TEST(OddLines, SitWithoutQuotationBreaksLikeARegularQuestion) {
  QuizFixture f;
  f.quiz("S",
         {" 9: 4\tSaul falls to the ground on the road to Damascus and hears a voice from heaven "
          "asking why he persecutes *Jesus"});
  f.write('P');
  auto pages = f.dir.lines("out.qui");
  EXPECT_EQ(
      pages[6],
      pad("SIT    1. Saul falls to the ground on the road to Damascus and hears,", 71) + "A  9: 4");
  EXPECT_EQ(pages[7],
            pad("               a voice from heaven asking why he persecutes *Jesus", 70));
  f.write('C');
  auto cards = f.dir.lines("out.qui");
  EXPECT_EQ(cards[18 + 6], "     1. Saul falls to the ground on the");
  EXPECT_EQ(cards[18 + 8], "        road to Damascus and hears a voice ");
}

TEST(OddLines, FtvWithFewerThanFiveBlanks) {
  QuizFixture f;
  f.quiz("F", {"11:35\tFTa\tJesus wept."});
  f.write('P');
  // The blank padding supplies the missing word breaks; the reference keeps its columns.
  EXPECT_EQ(f.dir.lines("out.qui")[6],
            "FTa    1. Jesus...wept............" + blanks(37) + "A 11:35");
  f.write('T');
  // The answer column is still there, empty, so the reference stays in the last column.
  EXPECT_EQ(f.dir.lines("out.qui")[3], " 1\tFTa\tJesus...wept.\t\t(A 11:35)");
}

TEST(OddLines, FtvLabelsBeginningInColumnSixOrWithoutTheirTab) {
  QuizFixture f;
  f.quiz("FFF", {" 1: 1FTa\tIn the former book, Theophilus, I wrote", " 1: 2QTb\tUntil the day",
                 " 1: 1\tFTa In the former book, Theophilus, I wrote about all"});
  f.write('P');
  auto lines = f.dir.lines("out.qui");
  EXPECT_EQ(lines[6].substr(0, 47), "FTa    1. In...the...former...book...Theophilus");
  EXPECT_EQ(lines[9].substr(0, 40), "QTb    2. Quote Acts Chapter 1 verse 2  ");
  EXPECT_EQ(lines[10], pad(blanks(15) + "Until the day", 70));
  // Without a tab after the label, the label ends at the first blank.
  EXPECT_EQ(lines[12].substr(0, 50), "FTa    3. In...the...former...book...Theophilus...");
}

TEST(OddLines, LongLabelsAndFirstLinesKeepTheReferenceLast) {
  QuizFixture f;
  f.quiz("FS",
         {" 1: 1\tQuotation\tIn the former book", " 1: 2\t" + std::string(90, 'z') + " \"x\""});
  f.write('P');
  auto lines = f.dir.lines("out.qui");
  EXPECT_EQ(lines[6], "Quotation 1. Quote Acts Chapter 1 verse 1  " + blanks(28) + "A  1: 1")
      << "label too long for its six columns";
  EXPECT_EQ(lines[6].size(), 78u);
  EXPECT_EQ(lines[9], "SIT    2. " + std::string(90, 'z') + ",A  1: 2");
}

TEST(OddLines, NoLineLeadsOutsideTheBufferOrIntoALoop) {
  // Every kind and layout with lines that are empty, blank, one unbroken word, all tabs, all
  // question marks or quotation marks, and as long as the stored format allows.
  const std::vector<std::string> odd = {
      "",
      " 1: 1\t",
      " 1: 1\t" + std::string(248, 'w'),
      std::string(254, '\t'),
      " 1: 1\t" + std::string(248, '?'),
      " 1: 1\tWho? " + std::string(242, '^'),
  };
  QuizFixture f;
  for (const auto& line : odd) {
    for (const std::string& more :
         {std::string(" "), std::string(254, 'm'), std::string(254, '?')}) {
      f.quiz("nRFSO", {line, line, line, line, line}, {more, more, more, more, more});
      for (char out : {'C', 'P', 'T'}) {
        std::string s;
        ASSERT_NO_THROW(s = f.write(out)) << out << " " << line;
        // Cards come in whole cards; pages end with their form feed; tab lines with "<pb>".
        if (out == 'C') {
          size_t n = 0;
          for (char c : s) n += c == '\n';
          EXPECT_EQ(n % 18, 0u) << line;
        }
        if (out == 'P') {
          EXPECT_EQ(s.back(), '\f');
        }
        if (out == 'T') {
          EXPECT_EQ(s.substr(s.size() - 6), "<pb>\r\n");
        }
      }
    }
  }
}

}  // namespace
}  // namespace halvorin::testing
