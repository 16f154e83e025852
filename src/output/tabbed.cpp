// Tab-separated lines for import: number, type, question, answer and verse columns.
#include <algorithm>

#include "output/fields.hpp"
#include "output/layouts.hpp"

namespace halvorin {

namespace {

std::string tabbed_line(const RunState& rs, int x) {
  QuestionText t;
  load_position(rs, x, t);
  const char type = type_at(rs, x);
  std::string s = (x <= rs.AB ? right(std::to_string(x), 2) : std::string()) + "\t";
  int start = 7;
  bool quote = false;
  if (type == 'R' || type == 'O') {
    const RefLabel label = ref_label(t, 7);
    s += label.text;
    start = label.tab + 1;
  } else if (type == 'F') {
    const FtvLabel label = ftv_label(t);
    s += chars(t, label.start, std::min(label.tab - 1, 11));
    start = label.tab + 1;
    quote = label.quote;
  } else if (type == 'S') {
    s += "SIT";
  }
  s += "\t";
  const std::string ch = chapter_of(t);
  const std::string v = verse_of(t);
  const std::string& book = rs.set.book_or_first(rs.RLBK[x]).name;
  if (type == 'F' && quote) s += "Quote " + book + " chapter " + ch + " verse " + v + ".\t";
  if (type == 'R') s += "According to " + book + " chapter " + ch + " verse " + v + ", ";
  if (type == 'O') s += "According to " + book + " Chapter " + chars(t, 1, 2) + ",  ";

  // The answer column: after the fifth blank of an FTV verse, at the first "*" of a SIT text.
  // A text too short for either still gets the column, so the reference stays in its own.
  const bool ftv_words = type == 'F' && !quote;
  int words = 0;
  bool star = false;
  const int end = text_end(t, start, 3);
  for (int p = start; p <= end; ++p) {
    const char c = t.ch(p);
    if (ftv_words && c == ' ' && words < 5) {
      s += "...";
      if (++words == 5) s += "\t";
    } else if (type == 'S' && c == '*' && !star) {
      s += "\t*";
      star = true;
    } else if (type == 'S' && c == '\t') {
      s += "  ";
    } else {
      s += c;
    }
  }
  if ((ftv_words && words < 5) || (type == 'S' && !star)) s += "\t";
  return s + "\t(" + reference_of(t, rs.RLBK[x]) + ")";
}

}  // namespace

void write_tabbed(const RunState& rs, TextWriter& f) {
  f.writeln("Quiz " + std::to_string(rs.Q2) + "\t\t" + rs.NAME + " Style Quizzing\t" +
            range_text(rs));
  f.writeln();
  f.writeln("Number\tType\tQuestion\tAnswer\tVerse");
  for (int x = 1; x <= rs.SECTORS; ++x) f.writeln(tabbed_line(rs, x));
  f.writeln("<pb>");
}

}  // namespace halvorin
