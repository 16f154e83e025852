#pragma once
// The text of a question being written to the quiz file and the continuation lines that carry
// what does not fit on its first line.
#include <string>

#include "platform/text_file.hpp"
#include "state/table.hpp"

namespace halvorin {

constexpr int A2MAX = 509;  // characters of the question text buffer

// One question's text (the line in 1..254, its continuation from 255, blanks elsewhere) and
// where writing it stands.
struct QuestionText {
  std::string A2 = std::string(A2MAX, ' ');
  int MARK1 = 0;  // the text goes on after this position
  int MARK2 = 0;  // break position of the line just written
  int X5 = 0;     // continuation lines written for this question
  int LINES = 0;  // lines written on the current card or page
  // The character at 1-based position i; outside the buffer a blank.
  char ch(int i) const { return at(A2, i); }
};

// Fills the buffer from a question line and its continuation (each taken up to 254 characters).
void load_text(QuestionText& t, const std::string& line, const std::string& more);

// What a question mark does to continuation lines: nothing, or it ends its line and an empty
// line follows.
enum class QuestionMark { InLine, EndsLine };

// How continuation lines are laid out.
struct WrapRule {
  int indent;      // blanks before each line
  int width;       // characters scanned for a break after the position written last
  int last_break;  // no further line once a break reaches this position
  QuestionMark mark = QuestionMark::InLine;
};

constexpr int MAX_CONTINUATION = 15;  // continuation lines per question

// Writes continuation lines from MARK1 on, each broken at the last blank within the rule's
// width, until two blanks in a row end the text, a break reaches the rule's last position or
// 15 lines are written. A word with no blank to break at is cut at the width.
void wrap_rest(TextWriter& out, QuestionText& t, const WrapRule& rule);

// One of the routines below.
using RestFn = void (*)(TextWriter&, QuestionText&);

// Pages: the rest of CV Ref, CO Ref and regular questions.
void PRINTREST(TextWriter& out, QuestionText& t);
// Pages: the rest of SIT and FTV questions (which may run into the continuation).
void FPRINTREST(TextWriter& out, QuestionText& t);
// Cards: the rest of CV Ref, CO Ref, SIT and FTV questions.
void CPRINTREST(TextWriter& out, QuestionText& t);
// Cards: the rest of regular questions, with each question mark ending its line.
void RPRINTREST(TextWriter& out, QuestionText& t);

}  // namespace halvorin
