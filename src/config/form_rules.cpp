// What each field does with a value once it is entered: limits, pairs kept in order, the
// admissible primary FTV percentages, and the chapter and verse rules.
#include "config/form_rules.hpp"

#include <algorithm>

#include "config/form.hpp"
#include "config/form_fields.hpp"
#include "config/style_list.hpp"

namespace halvorin {

namespace {

// Entered values from lo to hi are stored as `stored`, or as entered when `stored` is 0.
struct PrimBand {
  int lo, hi, stored;
};

constexpr PrimBand kPrimBands[] = {
    {.lo = 97, .hi = 100, .stored = 0}, {.lo = 91, .hi = 96, .stored = 99},
    {.lo = 88, .hi = 90, .stored = 0},  {.lo = 81, .hi = 87, .stored = 89},
    {.lo = 78, .hi = 80, .stored = 0},  {.lo = 71, .hi = 77, .stored = 79},
    {.lo = 68, .hi = 70, .stored = 0},  {.lo = 61, .hi = 67, .stored = 69},
    {.lo = 57, .hi = 60, .stored = 0},  {.lo = 54, .hi = 56, .stored = 59},
    {.lo = 51, .hi = 53, .stored = 0},
};

// Lowers the stored verse to the chapter's last verse and redraws it when it changed.
void fit_verse(Program& p, Field chapter, Field verse) {
  ConfigUnit& cu = p.cu;
  int& v = cu.*field_spec(verse).num;
  int last = verse_limit(cu, cu.*field_spec(chapter).num);
  if (last > 0 && v > last) {
    v = last;
    draw_value(p.con, cu, verse);
  }
}

void set_book(Program& p, Field book) {
  p.cu.*field_spec(book).text = " A";
  draw_value(p.con, p.cu, book);
}

}  // namespace

int PRIM(int entered) {
  if (entered > 100) return 100;
  for (const PrimBand& b : kPrimBands)
    if (entered >= b.lo && entered <= b.hi) return b.stored ? b.stored : entered;
  return 59;
}

int CAPS(int key) { return (key >= 'a' && key <= 'e') ? key - 'a' + 'A' : key; }

void EVSET(ConfigUnit& cu) { SETVS(cu); }

int chapter_rule(int chapter, char level) {
  if (chapter > 28) chapter = 28;
  if (level == 'L') {
    if (chapter == 7) chapter = 8;
    if (chapter > 9) chapter = 9;
  }
  return chapter;
}

int verse_limit(const ConfigUnit& cu, int chapter) {
  return (chapter >= 1 && chapter <= 28) ? cu.EVS[chapter] : 0;
}

void SETBBK(Program& p) {
  set_book(p, Field::BBK);
  fit_verse(p, Field::BCHAP, Field::BVER);
}

void SETBBK2(Program& p) {
  p.cu.BCHAP = chapter_rule(p.cu.BCHAP, p.cu.LG);
  draw_value(p.con, p.cu, Field::BCHAP);
  fit_verse(p, Field::BCHAP, Field::BVER);
}

void SETEBK(Program& p) {
  set_book(p, Field::EBK);
  fit_verse(p, Field::ECHAP, Field::EVER);
}

void apply_number_rule(Program& p, Field f) {
  ConfigUnit& cu = p.cu;
  switch (f) {
    case Field::BCHAP:
      SETBBK2(p);
      return;
    case Field::ECHAP:
      cu.ECHAP = chapter_rule(cu.ECHAP, cu.LG);
      draw_value(p.con, cu, Field::ECHAP);
      // A new end chapter always ends at its last verse.
      cu.EVER = verse_limit(cu, cu.ECHAP);
      draw_value(p.con, cu, Field::EVER);
      return;
    case Field::BVER:
      fit_verse(p, Field::BCHAP, Field::BVER);
      break;
    case Field::EVER:
      fit_verse(p, Field::ECHAP, Field::EVER);
      break;
    case Field::PRIMPCT:
      cu.PRIMPCT = PRIM(cu.PRIMPCT);
      break;
    default:
      if (const Limit* l = limit_of(f)) {
        int& v = cu.*field_spec(f).num;
        v = std::clamp(v, l->lo, l->hi);
        if (const Limit* other = limit_of(l->partner)) {
          // A partner outside its own limits (a hand-edited style) is not copied over: the
          // pair is kept in order against the nearest value the partner could hold.
          int bound = std::clamp(cu.*field_spec(l->partner).num, other->lo, other->hi);
          v = l->pair == PairEnd::Lower ? std::min(v, bound) : std::max(v, bound);
        }
      }
      break;
  }
  draw_value(p.con, cu, f);
}

const Limit* limit_of(Field f) {
  if (f == Field::Stay || f == Field::Header) return nullptr;
  const std::optional<Limit>& l = field_spec(f).limit;
  return l ? &*l : nullptr;
}

}  // namespace halvorin
