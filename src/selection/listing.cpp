#include "selection/listing.hpp"

#include <algorithm>
#include <cstring>

#include "platform/screen.hpp"
#include "state/table.hpp"

namespace halvorin {

namespace {

// Text of `line` from `start` up to the next tab, at most through `limit`. Like every scan of
// these lines it takes the character at `start` before it looks for a tab.
struct Scan {
  std::string text;
  int stop = 0;      // where the scan stopped: the tab, or one past the limit
  bool cut = false;  // the text goes on past the limit
};

// Characters from..to of the line, read as if it were blank padded.
std::string chars(const std::string& line, int from, int to) {
  if (to < from) return {};
  std::string s(static_cast<size_t>(to - from + 1), ' ');
  const int a = std::max(from, 1), b = std::min(to, static_cast<int>(line.size()));
  if (a <= b)
    line.copy(s.data() + (a - from), static_cast<size_t>(b - a + 1), static_cast<size_t>(a - 1));
  return s;
}

Scan scan(const std::string& line, int start, int limit) {
  Scan r;
  int x = start + 1;
  if (x <= limit) {
    // The first tab after the start, if one lies within the limit (past the line's end the
    // padding holds no tab).
    const int last = std::min(limit, static_cast<int>(line.size()));
    const void* tab =
        x <= last ? std::memchr(line.data() + (x - 1), '\t', static_cast<size_t>(last - x + 1))
                  : nullptr;
    x = tab ? static_cast<int>(static_cast<const char*>(tab) - line.data()) + 1 : limit + 1;
  }
  r.text = chars(line, start, x - 1);
  r.stop = x;
  r.cut = at(line, x) != '\t';
  return r;
}

std::string ref_line(const std::string& a) {
  Scan t = scan(a, 10, 49);
  return chars(a, 1, 5) + "  " + chars(a, 7, 8) + "    " + t.text + (t.cut ? "..." : "");
}

std::string sit_line(const std::string& a) {
  std::string s = chars(a, 1, 2) + ":" + chars(a, 4, 5) + "  SIT   ";
  Scan t = scan(a, 7, 46);
  if (t.cut) return s + t.text + "...";
  Scan u = scan(a, t.stop + 1, 46);
  return s + t.text + " " + u.text + (u.cut ? "..." : "");
}

std::string ftv_line(const std::string& a) {
  int x = 6;
  while (x <= LMAX && at(a, x) != '\t') ++x;
  Scan label = scan(a, x + 1, LMAX);
  Scan text = scan(a, label.stop + 1, label.stop + 40);
  return chars(a, 1, 5) + "  " + pad_right(label.text, 6) + text.text + (text.cut ? "..." : "");
}

std::string regular_line(const std::string& a) {
  Scan t = scan(a, 7, 46);
  return chars(a, 1, 5) + std::string(8, ' ') + (t.cut ? t.text + "..." : pad_right(t.text, 43));
}

}  // namespace

std::string inf_heading(int q) {
  std::string s = kListHeading;
  if (q < 100) s += ' ';
  if (q < 10) s += ' ';
  return s + std::string(27, ' ') + "Quiz " + std::to_string(q);
}

std::string question_line(const RunState& rs, int pos, int number) {
  std::string s = fmt_int(pos, 4) + "." + fmt_int(rs.SECTOR[pos], 4) + fmt_int(number, 4) + "  " +
                  rs.RLBK[pos] + " ";
  const std::string& a = rs.ALL[pos];
  switch (at(rs.TYP, pos)) {
    case 'R':
    case 'O':
      return s + ref_line(a);
    case 'S':
      return s + sit_line(a);
    case 'F':
      return s + ftv_line(a);
    default:
      return s + regular_line(a);
  }
}

}  // namespace halvorin
