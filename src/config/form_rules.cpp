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
    {97, 100, 0}, {91, 96, 99}, {88, 90, 0}, {81, 87, 89}, {78, 80, 0}, {71, 77, 79},
    {68, 70, 0},  {61, 67, 69}, {57, 60, 0}, {54, 56, 59}, {51, 53, 0},
};

constexpr Field kNone = Field::Stay;

// Limits of the number fields, and the field each is kept in order with. Primary FTV has its
// own rule after entry; its limits are those of a percentage.
constexpr Limit kLimits[] = {
    {Field::LPP, 18, 500, kNone, false},
    {Field::QMAX, 1, 30, kNone, false},
    {Field::AB, 1, 99, kNone, false},
    {Field::SPEARLY, 1, 10, Field::SPLATE, true},
    {Field::SPLATE, 1, 30, Field::SPEARLY, false},
    {Field::IPC, 0, 100, kNone, false},
    {Field::QNUM, 1, 150, kNone, false},
    {Field::REPEATPCT, 0, 100, kNone, false},
    {Field::SPMIN, 0, 20, Field::SPMAX, true},
    {Field::SPMAX, 0, 20, Field::SPMIN, false},
    {Field::FMIN, 0, 10, Field::FMAX, true},
    {Field::FMAX, 0, 10, Field::FMIN, false},
    {Field::RMIN, 0, 10, Field::RMAX, true},
    {Field::RMAX, 0, 10, Field::RMIN, false},
    {Field::OMIN, 0, 10, Field::OMAX, true},
    {Field::OMAX, 0, 10, Field::OMIN, false},
    {Field::SMIN, 0, 10, Field::SMAX, true},
    {Field::SMAX, 0, 10, Field::SMIN, false},
    {Field::PRIMPCT, 0, 100, kNone, false},
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
          v = l->is_lower ? std::min(v, bound) : std::max(v, bound);
        }
      }
      break;
  }
  draw_value(p.con, cu, f);
}

const Limit* limit_of(Field f) {
  for (const Limit& l : kLimits)
    if (l.f == f) return &l;
  return nullptr;
}

}  // namespace halvorin
