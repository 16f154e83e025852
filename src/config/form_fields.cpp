#include "config/form_fields.hpp"

#include <array>

#include "platform/errors.hpp"

namespace halvorin {

namespace {

using F = Field;

FieldSpec number(F id, const char* label, int col, int row, int width, char first, int digits,
                 int ConfigUnit::*var) {
  return FieldSpec{id, label, col, row, width, FieldKind::Number, first, digits, var};
}

FieldSpec letter(F id, const char* label, int col, int row, char ConfigUnit::*var,
                 const char* letters) {
  return FieldSpec{id, label, col, row, 1, FieldKind::Letter, 0, 0, nullptr, var, letters};
}

FieldSpec text(F id, const char* label, int col, int row, int width, FieldKind kind,
               std::string ConfigUnit::*var) {
  return FieldSpec{id, label, col, row, width, kind, 0, 0, nullptr, nullptr, nullptr, var};
}

// In drawing order, indexed by Field.
const std::array<FieldSpec, kFieldCount> kFields = {
    text(F::BBK, "Begin book", 14, 6, 2, FieldKind::Book, &ConfigUnit::BBK),
    number(F::BCHAP, "Begin Chapter", 27, 6, 2, '1', 2, &ConfigUnit::BCHAP),
    number(F::BVER, "Begin Ver", 35, 6, 2, '1', 2, &ConfigUnit::BVER),
    text(F::EBK, "End book", 14, 8, 2, FieldKind::Book, &ConfigUnit::EBK),
    number(F::ECHAP, "End Chapter", 27, 8, 2, '1', 2, &ConfigUnit::ECHAP),
    number(F::EVER, "End Ver", 35, 8, 2, '1', 2, &ConfigUnit::EVER),
    text(F::NAME1, "Name of Quiz Style", 27, 10, 10, FieldKind::Name, &ConfigUnit::NAME1),
    text(F::NAME4, "Name of Output File", 27, 12, 10, FieldKind::Name, &ConfigUnit::NAME4),
    number(F::LPP, "Lines/Pg", 15, 14, 3, '0', 3, &ConfigUnit::LPP),
    letter(F::OUT, "Output", 36, 14, &ConfigUnit::OUT, "CPT"),
    number(F::QMAX, "Questions per pack", 35, 16, 2, '1', 2, &ConfigUnit::QMAX),
    number(F::AB, "A and B Questions begin on", 35, 18, 2, '1', 2, &ConfigUnit::AB),
    number(F::SPEARLY, "Specialties may appear", 28, 20, 2, '1', 2, &ConfigUnit::SPEARLY),
    number(F::SPLATE, "Specialties may appear to", 35, 20, 2, '1', 2, &ConfigUnit::SPLATE),
    number(F::IPC, "Pct Int", 15, 22, 3, '0', 3, &ConfigUnit::IPC),
    letter(F::INDX, "Reindex", 36, 22, &ConfigUnit::INDX, "YN"),
    number(F::QNUM, "Number of Quizzes in this Run", 72, 6, 3, '1', 3, &ConfigUnit::QNUM),
    letter(F::SEC1, "Sector by", 74, 8, &ConfigUnit::SEC1, "CVQ"),
    number(F::REPEATPCT, "Percent Eligible for Repeats", 72, 10, 3, '0', 3, &ConfigUnit::REPEATPCT),
    number(F::SPMIN, "Total Min", 64, 14, 2, '0', 2, &ConfigUnit::SPMIN),
    number(F::SPMAX, "Total Max", 73, 14, 2, '0', 2, &ConfigUnit::SPMAX),
    number(F::FMIN, "FTV Type Min", 64, 15, 2, '0', 2, &ConfigUnit::FMIN),
    number(F::FMAX, "FTV Type Max", 73, 15, 2, '0', 2, &ConfigUnit::FMAX),
    number(F::RMIN, "CV Ref Min", 64, 16, 2, '0', 2, &ConfigUnit::RMIN),
    number(F::RMAX, "CV Ref Max", 73, 16, 2, '0', 2, &ConfigUnit::RMAX),
    number(F::OMIN, "CO Ref Min", 64, 17, 2, '0', 2, &ConfigUnit::OMIN),
    number(F::OMAX, "CO Ref Max", 73, 17, 2, '0', 2, &ConfigUnit::OMAX),
    number(F::SMIN, "Situation Min", 64, 18, 2, '0', 2, &ConfigUnit::SMIN),
    number(F::SMAX, "Situation Max", 73, 18, 2, '0', 2, &ConfigUnit::SMAX),
    number(F::PRIMPCT, "Pct Prim FTV", 56, 20, 3, '0', 3, &ConfigUnit::PRIMPCT),
    letter(F::REGLST, "Reg", 74, 20, &ConfigUnit::REGLST, "ABC"),
    letter(F::SETSPC, "Set Specialty Quest nos", 74, 22, &ConfigUnit::SETSPC, "YN"),
};

constexpr F H = F::Header, S = F::Stay;

// Up, Down, Enter, Left, Right; then the same keys when they end a typed entry. The name
// fields never move on Left: there it is the letter K.
const std::array<FieldMoves, kFieldCount> kMoves = {{
    /* BBK */ {H, F::EBK, F::EBK, S, F::BCHAP, H, F::EBK, F::EBK, S, F::BCHAP},
    /* BCHAP */ {H, F::ECHAP, F::ECHAP, F::BBK, F::BVER, H, F::ECHAP, F::ECHAP, F::BBK, F::BVER},
    /* BVER */ {H, F::EVER, F::EVER, F::BCHAP, F::QNUM, H, F::EVER, F::EVER, F::BCHAP, S},
    /* EBK */ {F::BBK, F::NAME1, F::NAME1, S, F::ECHAP, F::BBK, F::NAME1, F::NAME1, S, F::ECHAP},
    /* ECHAP */
    {F::BCHAP, F::NAME1, F::NAME1, F::EBK, F::EVER, F::BCHAP, F::NAME1, F::NAME1, F::EBK, F::NAME1},
    /* EVER */
    {F::BVER, F::NAME1, F::NAME1, F::ECHAP, F::SEC1, F::BVER, F::NAME1, F::NAME1, F::ECHAP, S},
    /* NAME1 */
    {F::ECHAP, F::NAME4, F::NAME4, S, F::REPEATPCT, F::ECHAP, F::NAME4, F::NAME4, S, F::REPEATPCT},
    /* NAME4 */ {F::NAME1, F::OUT, F::OUT, S, F::SPMIN, F::NAME1, F::OUT, F::OUT, S, F::FMIN},
    /* LPP */ {F::NAME4, F::QMAX, F::OUT, S, F::OUT, F::NAME4, F::QMAX, F::OUT, S, F::OUT},
    /* OUT */
    {F::NAME4, F::QMAX, F::QMAX, F::LPP, F::SPMIN, F::NAME4, F::QMAX, F::QMAX, F::LPP, F::SPMIN},
    /* QMAX */ {F::OUT, F::AB, F::AB, S, F::RMIN, F::OUT, F::AB, F::AB, S, F::RMIN},
    /* AB */ {F::QMAX, F::SPLATE, F::SPLATE, S, F::SMIN, F::QMAX, F::SPLATE, F::SPLATE, S, F::SMIN},
    /* SPEARLY */
    {F::AB, F::IPC, F::IPC, F::AB, F::SPLATE, F::AB, F::IPC, F::IPC, F::AB, F::SPLATE},
    /* SPLATE */
    {F::AB, F::INDX, F::INDX, F::SPEARLY, F::PRIMPCT, F::AB, F::IPC, F::IPC, F::SPEARLY,
     F::PRIMPCT},
    /* IPC */ {F::SPEARLY, F::QNUM, F::INDX, S, F::INDX, F::AB, F::QNUM, F::INDX, S, F::INDX},
    /* INDX */
    {F::SPLATE, F::QNUM, F::QNUM, F::IPC, F::SETSPC, F::SPLATE, F::QNUM, F::QNUM, F::IPC,
     F::SETSPC},
    /* QNUM */ {H, F::SEC1, F::SEC1, F::BVER, S, H, F::SEC1, F::SEC1, F::BVER, S},
    /* SEC1 */
    {F::QNUM, F::REPEATPCT, F::REPEATPCT, F::EVER, S, F::QNUM, F::REPEATPCT, F::REPEATPCT, F::EVER,
     S},
    /* REPEATPCT */
    {F::SEC1, F::SPMAX, F::FMAX, F::NAME1, S, F::SEC1, F::SPMAX, S, F::NAME1, S},
    /* SPMIN */
    {F::REPEATPCT, F::FMIN, F::FMIN, F::OUT, F::SPMAX, F::REPEATPCT, F::FMIN, F::FMIN, F::OUT,
     F::SPMAX},
    /* SPMAX */
    {F::REPEATPCT, F::FMAX, F::FMAX, F::SPMIN, S, F::REPEATPCT, F::FMAX, F::FMAX, F::SPMIN, S},
    /* FMIN */
    {F::SPMIN, F::RMIN, F::RMIN, F::OUT, F::FMAX, F::SPMIN, F::RMIN, F::RMIN, F::OUT, F::FMAX},
    /* FMAX */ {F::SPMAX, F::RMAX, F::RMAX, F::FMIN, S, F::SPMAX, F::RMAX, F::RMAX, F::FMIN, S},
    /* RMIN */
    {F::FMIN, F::OMIN, F::OMIN, F::QMAX, F::RMAX, F::FMIN, F::OMIN, F::OMIN, F::OUT, F::RMAX},
    /* RMAX */ {F::FMAX, F::OMAX, F::OMAX, F::RMIN, S, F::FMAX, F::OMAX, F::OMAX, F::RMIN, S},
    /* OMIN */
    {F::RMIN, F::SMIN, F::SMIN, F::QMAX, F::OMAX, F::RMIN, F::SMIN, F::SMIN, F::QMAX, F::OMAX},
    /* OMAX */ {F::RMAX, F::SMAX, F::SMAX, F::OMIN, S, F::RMAX, F::SMAX, F::SMAX, F::OMIN, S},
    /* SMIN */
    {F::OMIN, F::PRIMPCT, F::PRIMPCT, F::AB, F::SMAX, F::OMIN, F::PRIMPCT, F::PRIMPCT, F::AB,
     F::SMAX},
    /* SMAX */
    {F::OMAX, F::REGLST, F::REGLST, F::SMIN, S, F::OMAX, F::SETSPC, F::SETSPC, F::SMIN, S},
    /* PRIMPCT */
    {F::SMIN, F::SETSPC, F::SETSPC, F::SPLATE, F::REGLST, F::SMIN, F::SETSPC, F::SETSPC, F::SPLATE,
     F::REGLST},
    /* REGLST */
    {F::SMAX, F::SETSPC, F::SETSPC, F::PRIMPCT, S, F::SMAX, F::SETSPC, F::SETSPC, F::PRIMPCT, S},
    /* SETSPC */
    {F::REGLST, F::BCHAP, F::BCHAP, F::INDX, S, F::REGLST, F::BCHAP, F::BCHAP, F::INDX, S},
}};

size_t index_of(Field f) {
  int i = static_cast<int>(f);
  if (i < 0 || i >= kFieldCount) throw InternalError("no such form field: " + std::to_string(i));
  return static_cast<size_t>(i);
}

}  // namespace

const FieldSpec& field_spec(Field f) { return kFields[index_of(f)]; }

Field move_for(Field f, int key, bool typed) {
  const FieldMoves& m = kMoves[index_of(f)];
  switch (key) {
    case kUp:
      return typed ? m.typed_up : m.up;
    case kDown:
      return typed ? m.typed_down : m.down;
    case kEnter:
      return typed ? m.typed_enter : m.enter;
    case kLeft:
      return typed ? m.typed_left : m.left;
    case kRight:
      return typed ? m.typed_right : m.right;
    default:
      return Field::Stay;
  }
}

void draw_value(Console& con, const ConfigUnit& cu, Field f) {
  const FieldSpec& s = field_spec(f);
  con.textcolor(12);
  con.textbackground(0);
  switch (s.kind) {
    case FieldKind::Number:
      con.gotoxy(s.col, s.row);
      con.write(fmt_int(cu.*s.num, s.width));
      break;
    case FieldKind::Letter:
      con.gotoxy(s.col - 1, s.row);
      con.write(std::string{' ', cu.*s.letter});
      break;
    case FieldKind::Name:
      con.gotoxy(s.col, s.row);
      con.write(std::string(static_cast<size_t>(s.width), ' '));
      con.gotoxy(s.col, s.row);
      con.write(cu.*s.text);
      break;
    case FieldKind::Book:
      con.gotoxy(s.col, s.row);
      con.write(cu.*s.text);
      break;
  }
}

}  // namespace halvorin
