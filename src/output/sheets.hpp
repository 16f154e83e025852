#pragma once
// How a quiz file goes onto sheets of paper: the one rule used by the PDF of a packet and by the
// Windows default printer. Lengths are in hundredths of a point (1/7200 inch) so that every
// system computes the same positions.
#include <string>
#include <vector>

namespace halvorin {

// A sheet size.
struct Paper {
  const char* name;
  int width, height;  // hundredths of a point
};

constexpr Paper kLetter{"Letter", 61200, 79200};
constexpr Paper kA4{"A4", 59528, 84189};

// Letter, or A4 when HALVORIN_PAPER says a4.
Paper paper_from_env();

constexpr int kSheetColumns = 79;    // characters of a printed line
constexpr int kCharWidth = 720;      // 10 characters to the inch
constexpr int kFontSize = 1200;      // the fixed-pitch font at 10 characters to the inch
constexpr int kSixLpi = 1200;        // line spacing at 6 lines to the inch
constexpr int kTopMargin = 2160;     // and the bottom one: 0.3 inch
constexpr int kMaxFittedLines = 80;  // a page up to this long is fitted onto one sheet
constexpr int kCardLines = 18;       // a card, or one part of a longer card

// Where the lines start from the left edge: the 79 columns centred on the sheet.
int left_margin(const Paper& paper);
// Lines of a sheet at 6 lines to the inch.
int lines_at_six_lpi(const Paper& paper);

// One sheet: its lines as printed (at most 79 characters, control characters shown as blanks)
// and the distance from one line to the next. The first line's baseline lies `pitch` * 3/4
// below the top margin.
struct Sheet {
  int pitch = kSixLpi;
  std::vector<std::string> lines;
};

// Lays the quiz file's lines onto sheets. A file with form feeds is a paged packet: each page is
// one sheet, its lines spaced to fit when it has up to 80 lines, a longer page going on over
// further sheets at 6 lines to the inch. A file without form feeds is cards: units of 18 lines,
// a unit whose first text line is not a card's heading belonging to the card before it; as many
// whole cards as fit on a sheet at 6 lines to the inch. Nothing is re-wrapped or re-ordered.
std::vector<Sheet> lay_sheets(const std::vector<std::string>& lines, const Paper& paper);

// The line as printed: cut at 79 characters, control characters and the bytes Windows-1252
// leaves undefined shown as blanks.
std::string printed_line(const std::string& line);

}  // namespace halvorin
