// The pattern review screens: every quiz's pattern under a ruler, a cursor line the user moves
// with the arrow keys, Space to make that quiz a new pattern, Enter for the next page.
#include <algorithm>

#include "config/pattern.hpp"
#include "config/pattern_deal.hpp"
#include "platform/keys.hpp"

namespace halvorin {

namespace {

constexpr const char* kTitle =
    "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";
constexpr const char* kRuler = "            5   10   15   20   25   30            ";
constexpr const char* kSecondRuler = "5   10   15   20   25   30";
constexpr const char* kWideRuler =
    "        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75";
constexpr const char* kAccept = " Press Enter to accept all patterns";
constexpr int kWideLetters = 75;

// The two layouts: 30 quizzes in two columns of 30 letters, or 15 in one column of 75.
enum class Width { Narrow, Wide };
struct Layout {
  Width width;
  bool wide() const { return width == Width::Wide; }
  int per_page() const { return wide() ? 15 : 30; }
};

enum class Line { Plain, Highlighted };

// Draws the line of a quiz at its place on the page, plain or highlighted; leaves yellow on blue.
void draw_line(Console& con, const ConfigUnit& cu, Layout layout, int quiz, int place, Line shown) {
  const bool highlighted = shown == Line::Highlighted;
  const int col = layout.wide() ? 1 : (place <= 15 ? 4 : 42);
  con.gotoxy(col, 6 + (place - 1) % 15);
  con.textbackground(highlighted ? 4 : 1);
  con.textcolor(highlighted ? 15 : 14);
  con.write(fmt_int(quiz, 3) + (layout.wide() ? "." : ". "));
  const std::string pat = cut(cu.PAT[quiz], kPatternLength);
  const int letters = layout.wide() ? kWideLetters : kPatternLength;
  for (int i = 1; i <= letters; ++i) {
    char c = i <= kPatternLength ? at(pat, i) : 'n';
    if (!highlighted) con.textcolor(i % 5 == 0 ? 15 : 14);
    con.write(std::string(1, c));
  }
  con.textcolor(14);
  con.textbackground(1);
}

void clear_rows(Console& con, int from, int to) {
  for (int row = from; row <= to; ++row) {
    con.gotoxy(1, row);
    con.clreol();
  }
}

// Shows the pages of patterns; true when Esc on the wide screen asked to go back.
bool review(Program& p, Layout layout) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  con.set_where("pattern review");
  con.textbackground(1);
  con.textcolor(14);
  CLR(con);
  con.gotoxy(2, 3);
  con.writeln(kTitle);
  con.writeln();
  con.gotoxy(1, 5);
  con.textcolor(12);
  if (layout.wide()) {
    con.write(kWideRuler);
  } else {
    con.write(kRuler);
    if (cu.QZ > 15) con.write(kSecondRuler);
  }
  con.textcolor(14);

  for (int first = 1; first <= cu.QZ; first += layout.per_page()) {
    const int count = std::min(layout.per_page(), cu.QZ - first + 1);
    for (int place = 1; place <= count; ++place)
      draw_line(con, cu, layout, first + place - 1, place, Line::Plain);
    con.gotoxy(4, 22);
    con.write(kAccept);
    int place = 1;
    draw_line(con, cu, layout, first, place, Line::Highlighted);
    for (;;) {
      int key = con.read_key();
      if (key == kKeyEsc) {
        if (layout.wide()) return true;
        key = kKeyEnter;
      }
      if (key == kKeyEnter) break;
      const int old = place;
      // Arrow keys arrive as 0 and a scan code; the scan code (or the same capital) acts.
      switch (key) {
        case kKeyUp:
          place -= 1;
          break;
        case kKeyDown:
          place += 1;
          break;
        case kKeyLeft:
          if (place > 15) place -= 15;
          break;
        case kKeyRight:
          if (!layout.wide() && place <= 15 && place + 15 <= count) place += 15;
          break;
        case kKeySpace:
          // Limits that made the first patterns make this one too; if not, the old one stays.
          if (SPECPAT(p)) cu.PAT[first + place - 1] = cu.TYP;
          draw_line(con, cu, layout, first + place - 1, place, Line::Highlighted);
          break;
        default:
          break;
      }
      if (place > count) place = 1;
      if (place < 1) place = count;
      if (place != old) {
        draw_line(con, cu, layout, first + old - 1, old, Line::Plain);
        draw_line(con, cu, layout, first + place - 1, place, Line::Highlighted);
      }
    }
    clear_rows(con, 6, 24);
  }
  return false;
}

}  // namespace

void WRITESPECS(Program& p) { review(p, Layout{.width = Width::Narrow}); }

bool WRITESPECS75(Program& p) { return review(p, Layout{.width = Width::Wide}); }

}  // namespace halvorin
