// Continuation lines: breaks, indents, the question mark rule and the limits that keep every
// text, however it is stored, inside the buffer and finite.
#include "output/wrap.hpp"

#include <gtest/gtest.h>

#include "quiz_fixture.hpp"

namespace halvorin::testing {
namespace {

struct Wrapped {
  std::vector<std::string> lines;
  QuestionText t;
};

// Runs one wrapping routine on `text` placed from position 2 on (position 1 is the blank the
// writer's first line broke at).
Wrapped wrap(RestFn rest, const std::string& text, int mark1 = 1) {
  TempDir dir;
  Wrapped w;
  load_text(w.t, text.substr(0, 254), text.size() > 254 ? text.substr(254) : "");
  w.t.MARK1 = mark1;
  {
    TextWriter out(dir.file("w.txt"), TextWriter::Mode::Create);
    rest(out, w.t);
    out.close();
  }
  w.lines = dir.lines("w.txt");
  return w;
}

TEST(Wrap, CardQuestionsBreakAfterTheQuestionMarkWithAnEmptyLine) {
  struct Case {
    std::string text;
    std::vector<std::string> want;
  } cases[] = {
      // With no blank after the question mark the line still ends right after it.
      {" Judas?Matthias", {"        Judas?", "", pad("        Matthias", 45)}},
      // A tab stands for a blank.
      {" Who?\tPeter", {"        Who? ", "", pad("        Peter", 45)}},
  };
  for (const auto& c : cases) {
    auto w = wrap(RPRINTREST, c.text);
    EXPECT_EQ(w.lines, c.want) << c.text;
    EXPECT_EQ(w.t.LINES, static_cast<int>(c.want.size())) << c.text;
  }
  // The other routines do not look at question marks.
  EXPECT_EQ(wrap(CPRINTREST, " Who said it? Peter").lines,
            std::vector<std::string>{pad("        Who said it? Peter", 45)});
}

TEST(Wrap, AWordLongerThanTheLineIsCutAtTheWidth) {
  auto w = wrap(PRINTREST, " " + std::string(80, 'x') + " end");
  EXPECT_EQ(w.lines,
            (std::vector<std::string>{blanks(15) + std::string(55, 'x'),
                                      pad(blanks(15) + std::string(25, 'x') + " end", 70)}));
}

TEST(Wrap, AtMost15ContinuationLines) {
  std::string text;
  while (text.size() < 300) text += " Is it?";
  auto w = wrap(RPRINTREST, text);
  EXPECT_EQ(w.t.X5, 15);
  EXPECT_EQ(w.lines.size(), 30u);  // each line followed by its empty line
  // Words of 30 letters: one a line, 31 characters, so the buffer would hold 16 lines.
  std::string words;
  while (words.size() < 500) words += " " + std::string(30, 'y');
  auto cut = wrap(CPRINTREST, words);
  EXPECT_EQ(cut.t.X5, 15);
  EXPECT_EQ(cut.t.MARK2, 1 + 15 * 31);
}

TEST(Wrap, TextRunningToTheEndOfTheBufferStopsThere) {
  // No blank anywhere but the last position of the buffer.
  const std::string solid(508, 'x');
  for (RestFn rest : {PRINTREST, FPRINTREST, CPRINTREST, RPRINTREST}) {
    auto w = wrap(rest, solid, 400);
    EXPECT_LE(w.t.MARK2, A2MAX);
    EXPECT_LE(w.t.X5, 15);
  }
  auto w = wrap(FPRINTREST, solid, 400);
  EXPECT_EQ(w.lines, (std::vector<std::string>{blanks(15) + std::string(55, 'x'),
                                               blanks(15) + std::string(53, 'x') + " "}));
}

}  // namespace
}  // namespace halvorin::testing
