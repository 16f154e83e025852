// Pages: a question sheet with a header, the question number and type on the left and every
// question's reference in columns 72 to 78 of its first line.
#include <algorithm>

#include "output/fields.hpp"
#include "output/layouts.hpp"

namespace halvorin {

namespace {

constexpr int WIDTH = 78;  // characters of the header and the rules
constexpr int REF_COL = PAGE_REFERENCE_COLUMN;
const std::string RULE(WIDTH, '_');

std::string blanks(int n) { return std::string(static_cast<size_t>(std::max(n, 0)), ' '); }

// The header of a quiz's first page: range, style name and quiz number in 78 characters.
std::string page_header(const RunState& rs) {
  std::string h = range_text(rs);
  const int first = rs.set.own_chapter(rs.BCHAP);
  const int last = rs.set.own_chapter(rs.ECHAP);
  for (int v : {first, rs.BVER, last, rs.EVER})
    if (v < 10) h += ' ';
  const int half = static_cast<int>(rs.NAME.size()) / 2;
  h += blanks(13 - half) + rs.NAME + " Style Quizzing ";
  if (rs.Q2 < 100) h += ' ';
  if (rs.Q2 < 10) h += ' ';
  h += blanks(12 - half);
  if (rs.NAME.size() % 2 == 0) h += ' ';
  return h + right("Quiz Number ", 15) + std::to_string(rs.Q2);
}

// The first five words of an FTV verse text with each blank written as "..." and periods and
// commas left out; `mark` gets the fifth blank (or the end of the buffer).
std::string five_words(const QuestionText& t, int from, int& mark) {
  std::string s;
  int found = 0;
  int p = from;
  for (; p <= A2MAX; ++p) {
    const char c = t.ch(p);
    if (c == ' ' || c == '\t') {
      s += "...";
      if (++found == 5) break;
    } else if (c != '.' && c != ',') {
      s += c;
    }
  }
  mark = std::min(p, A2MAX);
  return s;
}

// Writes the first line of position x and returns the routine that writes its rest, with MARK1
// set where the rest begins.
RestFn first_line(const RunState& rs, TextWriter& f, QuestionText& t, int x) {
  RestFn rest = PRINTREST;
  std::string s = page_first_line(t, type_at(rs, x), number_text(x, rs.AB, 2) + ". ", rest,
                                  rs.set.book_or_first(rs.RLBK[x]).name);
  // The filler puts the reference in its columns; an overlong first line keeps it whole.
  s += blanks(REF_COL - 1 - static_cast<int>(s.size()));
  f.writeln(s + reference_of(t, rs.RLBK[x]));
  return rest;
}

}  // namespace

std::string page_first_line(QuestionText& t, char type, const std::string& num, RestFn& rest,
                            const std::string& book) {
  const std::string ch = chapter_of(t);
  const std::string v = verse_of(t);
  std::string s;
  rest = PRINTREST;
  switch (type) {
    case 'R':
      s = chars(t, 7, 8) + "    " + num + "According to " + book + " chapter " + ch + " verse " +
          v + ", ";
      t.MARK1 = 9;
      break;
    case 'O':
      s = chars(t, 7, 8) + "    " + num + "According to " + book + " chapter " + ch + ", ";
      t.MARK1 = 9;
      break;
    case 'S':
      t.MARK1 = sit_break(t, 66);
      s = "SIT   " + num + chars(t, 7, t.MARK1 - 1) + ",";
      rest = FPRINTREST;
      break;
    case 'F': {
      const FtvLabel label = ftv_label(t);
      s = label.text + blanks(6 - static_cast<int>(label.text.size())) + num;
      if (label.quote) {
        s += "Quote " + book + " Chapter " + ch + " verse " + v + (ch.size() == 1 ? " " : "") +
             (v.size() == 1 ? " " : "");
        t.MARK1 = label.tab;
      } else {
        s += five_words(t, label.tab + 1, t.MARK1);
      }
      rest = FPRINTREST;
      break;
    }
    default:
      t.MARK1 = scan_break(t, 7, 66, QuestionMark::EndsLine);
      s = "      " + num + chars(t, 7, t.MARK1 - 1);
      break;
  }
  return s;
}

void write_pages(const RunState& rs, TextWriter& f) {
  int page = 1;
  f.writeln(page_header(rs));
  f.writeln(RULE);
  f.writeln();
  f.writeln("Type      Question" + right("Verse", 60));
  f.writeln(RULE);
  int lines = 7;
  for (int x = 1; x <= rs.SECTORS; ++x) {
    f.writeln();
    QuestionText t;
    load_position(rs, x, t);
    auto rest = first_line(rs, f, t, x);
    t.LINES = lines + 1;
    t.X5 = 0;
    if (t.ch(t.MARK1 + 1) != ' ') rest(f, t);
    lines = t.LINES + 1;  // the empty line before the question
    if (x == rs.SECTORS) break;
    const char next = type_at(rs, x + 1);
    if (lines > rs.LPP - 6 || (lines > rs.LPP - 10 && (next == 'F' || next == 'S'))) {
      ++page;
      f.writeln("\fPage " + std::to_string(page) + (rs.Q2 < 10 ? " " : "") + right("Quiz ", 70) +
                std::to_string(rs.Q2));
      f.writeln(RULE);
      lines = 4;
    }
  }
  f.write("\f");
}

}  // namespace halvorin
