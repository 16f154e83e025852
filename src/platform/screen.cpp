#include "platform/screen.hpp"

#include <algorithm>

namespace halvorin {

Screen::Screen() { clrscr(); }

void Screen::clrscr() {
  for (auto& c : cells_) c = Cell{' ', fg_, bg_};
  col_ = 1;
  row_ = 1;
  ++version_;
}

void Screen::gotoxy(int col, int row) {
  if (col < 1 || col > kCols || row < 1 || row > kRows) return;
  col_ = col;
  row_ = row;
}

void Screen::clreol() {
  for (int c = col_; c <= kCols; ++c) at(c, row_) = Cell{' ', fg_, bg_};
  ++version_;
}

void Screen::scroll_up() {
  std::copy(cells_.begin() + kCols, cells_.end(), cells_.begin());
  for (int c = 1; c <= kCols; ++c) at(c, kRows) = Cell{' ', fg_, bg_};
}

void Screen::newline() {
  col_ = 1;
  if (row_ == kRows)
    scroll_up();
  else
    ++row_;
}

void Screen::put(char c) {
  if (c == '\r') {
    col_ = 1;
    return;
  }
  if (c == '\n') {
    newline();
    return;
  }
  at(col_, row_) = Cell{c, fg_, bg_};
  if (col_ == kCols)
    newline();
  else
    ++col_;
}

void Screen::write(std::string_view s) {
  for (char c : s) put(c);
  ++version_;
}

void Screen::writeln(std::string_view s) {
  write(s);
  newline();
  ++version_;
}

void Screen::write_int(long v, int width) { write(fmt_int(v, width)); }

const Cell& Screen::cell(int col, int row) const {
  static const Cell blank{};
  if (col < 1 || col > kCols || row < 1 || row > kRows) return blank;
  return cells_[static_cast<size_t>((row - 1) * kCols + col - 1)];
}

std::string Screen::row_text(int row) const {
  std::string s;
  for (int c = 1; c <= kCols; ++c) s += cell(c, row).ch;
  return s;
}

std::string Screen::text() const {
  std::string s;
  for (int r = 1; r <= kRows; ++r) s += row_text(r) + '\n';
  return s;
}

std::string Screen::colors() const {
  static const char* hex = "0123456789abcdef";
  std::string s;
  for (int pass = 0; pass < 2; ++pass)
    for (int r = 1; r <= kRows; ++r) {
      for (int c = 1; c <= kCols; ++c) s += hex[pass == 0 ? cell(c, r).fg : cell(c, r).bg];
      s += '\n';
    }
  return s;
}

std::string fmt_int(long v, int width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
  return s;
}

std::string pad_right(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

}  // namespace halvorin
