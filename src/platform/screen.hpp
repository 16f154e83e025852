#pragma once
// The in-memory 80x25 text screen with the classic PC console's semantics. All drawing goes here;
// a Terminal shows it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace halvorin {

// One character cell: the character and its foreground and background colours (PC palette 0..15).
struct Cell {
  char ch = ' ';
  uint8_t fg = 7;
  uint8_t bg = 0;
  bool operator==(const Cell&) const = default;
};

class Screen {
 public:
  static constexpr int kCols = 80;
  static constexpr int kRows = 25;

  Screen();
  // Fills the whole screen with blanks in the current background; cursor to 1,1.
  void clrscr();
  // Moves the cursor to column col, row row (both from 1); positions off the screen are ignored.
  void gotoxy(int col, int row);
  // Blanks from the cursor to the end of its row in the current background; the cursor stays.
  void clreol();
  void textcolor(int c) { fg_ = static_cast<uint8_t>(c & 15); }
  void textbackground(int c) { bg_ = static_cast<uint8_t>(c & 15); }
  int textcolor() const { return fg_; }
  int textbackground() const { return bg_; }
  // Writes text at the cursor; past column 80 it wraps, and a wrap or line end on row 25 scrolls up.
  void write(std::string_view s);
  // Writes text, then moves to column 1 of the next row (scrolling on row 25).
  void writeln(std::string_view s = {});
  // Writes a number right-aligned in width (no padding when width is 0 or too small).
  void write_int(long v, int width = 0);
  int wherex() const { return col_; }
  int wherey() const { return row_; }

  const Cell& cell(int col, int row) const;
  // The characters of one row (80 of them).
  std::string row_text(int row) const;
  // The whole screen as 25 lines of 80 characters, each ended by '\n'.
  std::string text() const;
  // Each cell's foreground as one hex digit, 25 lines; then the backgrounds the same way.
  std::string colors() const;
  // Counts every change, so a terminal can tell whether it has anything new to show.
  uint64_t version() const { return version_; }

 private:
  void put(char c);
  void newline();
  void scroll_up();
  Cell& at(int col, int row) { return cells_[static_cast<size_t>((row - 1) * kCols + col - 1)]; }

  std::array<Cell, kCols * kRows> cells_{};
  int col_ = 1;
  int row_ = 1;
  uint8_t fg_ = 7;
  uint8_t bg_ = 0;
  uint64_t version_ = 0;
};

// Pads or right-aligns a number as the console's width-formatted write does.
std::string fmt_int(long v, int width = 0);
// Pads text with blanks on the right to width (longer text is kept whole).
std::string pad_right(std::string s, size_t width);

}  // namespace halvorin
