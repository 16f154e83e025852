#include "output/fields.hpp"

#include <algorithm>

namespace halvorin {

namespace {

std::string strip_blank(std::string s) {
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  return s;
}

}  // namespace

std::string chars(const QuestionText& t, int from, int to) {
  if (to < from) return {};
  std::string s(static_cast<size_t>(to - from + 1), ' ');
  // Positions outside the buffer read as blanks.
  const int a = std::max(from, 1), b = std::min(to, static_cast<int>(t.A2.size()));
  if (a <= b)
    t.A2.copy(s.data() + (a - from), static_cast<size_t>(b - a + 1), static_cast<size_t>(a - 1));
  return s;
}

std::string chapter_of(const QuestionText& t) { return strip_blank(chars(t, 1, 2)); }
std::string verse_of(const QuestionText& t) { return strip_blank(chars(t, 4, 5)); }

std::string reference_of(const QuestionText& t, char book) {
  return std::string(1, book) + " " + chars(t, 1, 5);
}

std::string number_text(int x, int ab, int width) {
  if (x > ab) return std::string(static_cast<size_t>(width), ' ');
  std::string n = std::to_string(x);
  return right(n, width);
}

std::string right(const std::string& s, int width) {
  if (static_cast<int>(s.size()) >= width) return s;
  return std::string(static_cast<size_t>(width) - s.size(), ' ') + s;
}

int text_end(const QuestionText& t, int from, int blanks) {
  for (int p = from; p + blanks - 1 <= A2MAX; ++p) {
    int run = 0;
    while (run < blanks && t.ch(p + run) == ' ') ++run;
    if (run == blanks) return p - 1;
  }
  return A2MAX;
}

FtvLabel ftv_label(const QuestionText& t) {
  FtvLabel l;
  l.start = t.ch(6) == '\t' ? 7 : 6;
  const int end = text_end(t, l.start, 2);
  int tab = 0;
  for (int p = l.start; p <= end && tab == 0; ++p)
    if (t.ch(p) == '\t') tab = p;
  if (tab == 0) {
    tab = l.start;
    while (tab <= A2MAX && t.ch(tab) != ' ') ++tab;
  }
  l.tab = tab;
  l.text = chars(t, l.start, tab - 1);
  l.quote = t.ch(l.start) == 'Q';
  return l;
}

RefLabel ref_label(const QuestionText& t, int start) {
  RefLabel l;
  const int end = text_end(t, start, 3);
  int tab = 0;
  for (int p = start; p <= end && tab == 0; ++p)
    if (t.ch(p) == '\t') tab = p;
  // Without a tab the text follows the two-character label directly.
  l.tab = tab ? tab : start + 2;
  l.text = chars(t, start, std::min(l.tab - 1, 11));
  return l;
}

int scan_break(QuestionText& t, int from, int to, QuestionMark question, bool* stopped) {
  int mark = from - 1;
  if (stopped) *stopped = false;
  for (int p = from; p <= to && p <= A2MAX; ++p) {
    char& c = t.A2[static_cast<size_t>(p - 1)];
    if (c == '\t') c = ' ';
    if (c == ' ') mark = p;
    if (question == QuestionMark::EndsLine && p > from && t.ch(p - 1) == '?') {
      if (stopped) *stopped = true;
      break;
    }
  }
  return mark;
}

int sit_break(QuestionText& t, int limit) {
  const int end = text_end(t, 7, 2);
  int quote = 0;
  for (int p = 7; p <= end && quote == 0; ++p)
    if (t.ch(p) == '"' || t.ch(p) == '\'') quote = p;
  if (quote == 0) return scan_break(t, 7, limit, QuestionMark::InLine);
  return scan_break(t, 7, quote - 1, QuestionMark::InLine);
}

}  // namespace halvorin
