// Cards: each quiz opens with a title card; every question gets a card of its own, padded so
// that cards of 18 lines stack evenly.
#include "output/fields.hpp"
#include "output/layouts.hpp"

namespace halvorin {

namespace {

constexpr int CARD = 18;  // lines of a card; a longer card takes a whole number of them

class Card {
 public:
  Card(TextWriter& f, QuestionText& t) : f_(f), t_(t) { t_.LINES = 0; }
  void line(const std::string& s) {
    f_.writeln(s);
    ++t_.LINES;
  }
  void empty(int n) {
    for (int i = 0; i < n; ++i) line("");
  }
  // An empty line, then more until the card ends on a whole number of cards.
  void finish() {
    line("");
    while (t_.LINES % CARD != 0) line("");
  }

 private:
  TextWriter& f_;
  QuestionText& t_;
};

void write_title_card(const RunState& rs, TextWriter& f) {
  f.writeln();
  f.writeln();
  f.writeln("    " + rs.NAME + " Style Quizzing");
  f.writeln();
  f.writeln("    " + range_text(rs));
  f.writeln();
  f.writeln("    Quiz Number " + std::to_string(rs.Q2));
  for (int i = 0; i < 11; ++i) f.writeln();
}

void write_card(const RunState& rs, TextWriter& f, int x) {
  QuestionText t;
  load_position(rs, x, t);
  Card card(f, t);
  const std::string head = "    " + std::string(1, rs.RLBK[x]) + " ";
  const std::string quiz = std::to_string(rs.Q2);
  const std::string ch = chapter_of(t);
  const std::string& book = rs.set.book_or_first(rs.RLBK[x]).name;
  RestFn rest = CPRINTREST;
  switch (type_at(rs, x)) {
    case 'R':
      card.empty(2);
      card.line(head + chars(t, 1, 5) + "   CV" + right("Quiz ", 27) + quiz);
      card.empty(2);
      card.line(number_text(x, rs.AB, 7) + ". Accd. to " + book + " chapter " + ch + " verse " +
                chars(t, 4, 5) + ", ");
      card.empty(1);
      t.MARK1 = 9;
      break;
    case 'O':
      card.empty(2);
      card.line(head + chars(t, 1, 5) + "   CO" + right("Quiz ", 27) + quiz);
      card.empty(2);
      card.line(number_text(x, rs.AB, 6) + ". According to " + book + " chapter " + ch);
      card.empty(1);
      t.MARK1 = 9;
      break;
    case 'S': {
      card.empty(3);
      card.line(head + chars(t, 1, 2) + ":" + chars(t, 4, 5) + "  SIT" + right("Quiz ", 29) + quiz);
      card.empty(2);
      const int mark = sit_break(t, 42);
      card.line("    " + number_text(x, rs.AB, 2) + ". " + chars(t, 7, mark - 1));
      card.empty(1);
      t.MARK1 = mark;
      break;
    }
    case 'F': {
      const FtvLabel label = ftv_label(t);
      card.empty(2);
      card.line(head + chars(t, 1, 5) + "   " + label.text +
                right("Quiz ", 29 - static_cast<int>(label.text.size())) + quiz);
      card.empty(2);
      if (label.quote) {
        const std::string v = verse_of(t);
        card.line(number_text(x, rs.AB, 6) + ". Quote " + book + " Chapter " + ch + " verse " + v +
                  (ch.size() == 1 ? " " : "") + (v.size() == 1 ? " " : ""));
        card.empty(1);
        t.MARK1 = label.tab;
      } else {
        const int mark = scan_break(t, label.tab + 1, 46, QuestionMark::InLine);
        card.line(number_text(x, rs.AB, 6) + ". " + chars(t, label.tab + 1, mark - 1));
        t.MARK1 = mark;
      }
      break;
    }
    default: {
      card.empty(2);
      card.line(head + chars(t, 1, 5) + "     " + right("Quiz ", 29) + quiz);
      card.empty(2);
      bool at_question = false;
      const int mark = scan_break(t, 7, 42, QuestionMark::EndsLine, &at_question);
      card.line(number_text(x, rs.AB, 6) + ". " + chars(t, 7, mark - 1));
      if (at_question) card.empty(1);
      t.MARK1 = mark;
      rest = RPRINTREST;
      break;
    }
  }
  t.X5 = 0;
  if (t.ch(t.MARK1 + 1) != ' ') rest(f, t);
  card.finish();
}

}  // namespace

void write_cards(const RunState& rs, TextWriter& f) {
  write_title_card(rs, f);
  for (int x = 1; x <= rs.SECTORS; ++x) write_card(rs, f, x);
}

}  // namespace halvorin
