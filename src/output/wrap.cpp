#include "output/wrap.hpp"

#include <algorithm>

namespace halvorin {

void load_text(QuestionText& t, const std::string& line, const std::string& more) {
  t.A2.assign(A2MAX, ' ');
  t.A2.replace(0, std::min<size_t>(line.size(), 254), line, 0, 254);
  t.A2.replace(254, std::min<size_t>(more.size(), 254), more, 0, 254);
}

void wrap_rest(TextWriter& out, QuestionText& t, const WrapRule& rule) {
  for (;;) {
    ++t.X5;
    out.write(std::string(static_cast<size_t>(rule.indent), ' '));
    const int end = std::min(t.MARK1 + rule.width, A2MAX);
    int pos = t.MARK1;
    int blank = 0;
    bool after_question = false;
    while (pos < end) {
      ++pos;
      char& c = t.A2[static_cast<size_t>(pos - 1)];
      if (c == '\t') c = ' ';
      if (c == ' ') blank = pos;
      // The first position is exempt so that a line broken right at a question mark moves on.
      if (rule.mark == QuestionMark::EndsLine && pos > t.MARK1 + 1 && t.ch(pos - 1) == '?') {
        after_question = true;
        break;
      }
    }
    if (pos == t.MARK1) {  // nothing left in the buffer
      out.writeln();
      ++t.LINES;
      return;
    }
    // Without a blank to break at, the word is cut: at the width, or right after the question
    // mark that stopped the scan.
    const bool cut_word = blank == 0;
    t.MARK2 = cut_word ? (after_question ? pos - 1 : pos) : blank;
    std::string line = t.A2.substr(static_cast<size_t>(t.MARK1),
                                   static_cast<size_t>(std::max(t.MARK2 - t.MARK1, 0)));
    std::replace(line.begin(), line.end(), '^', '*');
    out.writeln(line);
    ++t.LINES;
    t.MARK1 = t.MARK2;
    if (rule.mark == QuestionMark::EndsLine && t.ch(cut_word ? t.MARK2 : t.MARK2 - 1) == '?') {
      out.writeln();
      ++t.LINES;
    }
    if (t.ch(t.MARK2 + 1) == ' ' || t.MARK2 >= rule.last_break || t.X5 >= MAX_CONTINUATION) return;
  }
}

void PRINTREST(TextWriter& out, QuestionText& t) {
  wrap_rest(out, t, {.indent = 15, .width = 55, .last_break = 253});
}
void FPRINTREST(TextWriter& out, QuestionText& t) {
  wrap_rest(out, t, {.indent = 15, .width = 55, .last_break = 508});
}
void CPRINTREST(TextWriter& out, QuestionText& t) {
  wrap_rest(out, t, {.indent = 8, .width = 37, .last_break = 508});
}
void RPRINTREST(TextWriter& out, QuestionText& t) {
  wrap_rest(out, t, {.indent = 8, .width = 37, .last_break = 508, .mark = QuestionMark::EndsLine});
}

}  // namespace halvorin
