#include "config/form_fields.hpp"

#include <array>

#include "platform/errors.hpp"

namespace halvorin {

namespace {

using F = Field;

// Where a field waits and how wide it is.
struct Spot {
  int col, row, width = 1;
};

// What starts and ends a typed number: its lowest first digit and its most digits.
struct Digits {
  char first_lo;
  int most;
};

constexpr FieldSpec number(F id, const char* label, Spot at, Digits typed, int ConfigUnit::*var,
                           std::optional<Limit> limit = std::nullopt) {
  return {.id = id,
          .label = label,
          .col = at.col,
          .row = at.row,
          .width = at.width,
          .kind = FieldKind::Number,
          .first_lo = typed.first_lo,
          .digits = typed.most,
          .num = var,
          .limit = limit};
}

constexpr FieldSpec letter(F id, const char* label, Spot at, char ConfigUnit::*var,
                           const char* letters) {
  return {.id = id,
          .label = label,
          .col = at.col,
          .row = at.row,
          .width = at.width,
          .kind = FieldKind::Letter,
          .letter = var,
          .letters = letters};
}

constexpr FieldSpec text(F id, const char* label, Spot at, FieldKind kind,
                         std::string ConfigUnit::*var) {
  return {.id = id,
          .label = label,
          .col = at.col,
          .row = at.row,
          .width = at.width,
          .kind = kind,
          .text = var};
}

// In drawing order, indexed by Field. The quizzes of a run fill the pattern table, and the
// questions of a quiz (with the last place a specialty may take) its sectors.
constexpr std::array<FieldSpec, kFieldCount> kFields = {
    text(F::BBK, "Begin book", {.col = 14, .row = 6, .width = 2}, FieldKind::Book,
         &ConfigUnit::BBK),
    number(F::BCHAP, "Begin Chapter", {.col = 27, .row = 6, .width = 2},
           {.first_lo = '1', .most = 2}, &ConfigUnit::BCHAP),
    number(F::BVER, "Begin Ver", {.col = 35, .row = 6, .width = 2}, {.first_lo = '1', .most = 2},
           &ConfigUnit::BVER),
    text(F::EBK, "End book", {.col = 14, .row = 8, .width = 2}, FieldKind::Book, &ConfigUnit::EBK),
    number(F::ECHAP, "End Chapter", {.col = 27, .row = 8, .width = 2}, {.first_lo = '1', .most = 2},
           &ConfigUnit::ECHAP),
    number(F::EVER, "End Ver", {.col = 35, .row = 8, .width = 2}, {.first_lo = '1', .most = 2},
           &ConfigUnit::EVER),
    text(F::NAME1, "Name of Quiz Style", {.col = 27, .row = 10, .width = 10}, FieldKind::Name,
         &ConfigUnit::NAME1),
    text(F::NAME4, "Name of Output File", {.col = 27, .row = 12, .width = 10}, FieldKind::Name,
         &ConfigUnit::NAME4),
    number(F::LPP, "Lines/Pg", {.col = 15, .row = 14, .width = 3}, {.first_lo = '0', .most = 3},
           &ConfigUnit::LPP, Limit{.lo = 18, .hi = 500}),
    letter(F::OUT, "Output", {.col = 36, .row = 14}, &ConfigUnit::OUT, "CPT"),
    number(F::QMAX, "Questions per pack", {.col = 35, .row = 16, .width = 2},
           {.first_lo = '1', .most = 2}, &ConfigUnit::QMAX, Limit{.lo = 1, .hi = SCMAX}),
    number(F::AB, "A and B Questions begin on", {.col = 35, .row = 18, .width = 2},
           {.first_lo = '1', .most = 2}, &ConfigUnit::AB, Limit{.lo = 1, .hi = 99}),
    number(F::SPEARLY, "Specialties may appear", {.col = 28, .row = 20, .width = 2},
           {.first_lo = '1', .most = 2}, &ConfigUnit::SPEARLY,
           Limit{.lo = 1, .hi = 10, .partner = F::SPLATE, .pair = PairEnd::Lower}),
    number(F::SPLATE, "Specialties may appear to", {.col = 35, .row = 20, .width = 2},
           {.first_lo = '1', .most = 2}, &ConfigUnit::SPLATE,
           Limit{.lo = 1, .hi = SCMAX, .partner = F::SPEARLY, .pair = PairEnd::Upper}),
    number(F::IPC, "Pct Int", {.col = 15, .row = 22, .width = 3}, {.first_lo = '0', .most = 3},
           &ConfigUnit::IPC, Limit{.lo = 0, .hi = 100}),
    letter(F::INDX, "Reindex", {.col = 36, .row = 22}, &ConfigUnit::INDX, "YN"),
    number(F::QNUM, "Number of Quizzes in this Run", {.col = 72, .row = 6, .width = 3},
           {.first_lo = '1', .most = 3}, &ConfigUnit::QNUM, Limit{.lo = 1, .hi = QQZ}),
    letter(F::SEC1, "Sector by", {.col = 74, .row = 8}, &ConfigUnit::SEC1, "CVQ"),
    number(F::REPEATPCT, "Percent Eligible for Repeats", {.col = 72, .row = 10, .width = 3},
           {.first_lo = '0', .most = 3}, &ConfigUnit::REPEATPCT, Limit{.lo = 0, .hi = 100}),
    number(F::SPMIN, "Total Min", {.col = 64, .row = 14, .width = 2}, {.first_lo = '0', .most = 2},
           &ConfigUnit::SPMIN,
           Limit{.lo = 0, .hi = 20, .partner = F::SPMAX, .pair = PairEnd::Lower}),
    number(F::SPMAX, "Total Max", {.col = 73, .row = 14, .width = 2}, {.first_lo = '0', .most = 2},
           &ConfigUnit::SPMAX,
           Limit{.lo = 0, .hi = 20, .partner = F::SPMIN, .pair = PairEnd::Upper}),
    number(F::FMIN, "FTV Type Min", {.col = 64, .row = 15, .width = 2},
           {.first_lo = '0', .most = 2}, &ConfigUnit::FMIN,
           Limit{.lo = 0, .hi = 10, .partner = F::FMAX, .pair = PairEnd::Lower}),
    number(F::FMAX, "FTV Type Max", {.col = 73, .row = 15, .width = 2},
           {.first_lo = '0', .most = 2}, &ConfigUnit::FMAX,
           Limit{.lo = 0, .hi = 10, .partner = F::FMIN, .pair = PairEnd::Upper}),
    number(F::RMIN, "CV Ref Min", {.col = 64, .row = 16, .width = 2}, {.first_lo = '0', .most = 2},
           &ConfigUnit::RMIN, Limit{.lo = 0, .hi = 10, .partner = F::RMAX, .pair = PairEnd::Lower}),
    number(F::RMAX, "CV Ref Max", {.col = 73, .row = 16, .width = 2}, {.first_lo = '0', .most = 2},
           &ConfigUnit::RMAX, Limit{.lo = 0, .hi = 10, .partner = F::RMIN, .pair = PairEnd::Upper}),
    number(F::OMIN, "CO Ref Min", {.col = 64, .row = 17, .width = 2}, {.first_lo = '0', .most = 2},
           &ConfigUnit::OMIN, Limit{.lo = 0, .hi = 10, .partner = F::OMAX, .pair = PairEnd::Lower}),
    number(F::OMAX, "CO Ref Max", {.col = 73, .row = 17, .width = 2}, {.first_lo = '0', .most = 2},
           &ConfigUnit::OMAX, Limit{.lo = 0, .hi = 10, .partner = F::OMIN, .pair = PairEnd::Upper}),
    number(F::SMIN, "Situation Min", {.col = 64, .row = 18, .width = 2},
           {.first_lo = '0', .most = 2}, &ConfigUnit::SMIN,
           Limit{.lo = 0, .hi = 10, .partner = F::SMAX, .pair = PairEnd::Lower}),
    number(F::SMAX, "Situation Max", {.col = 73, .row = 18, .width = 2},
           {.first_lo = '0', .most = 2}, &ConfigUnit::SMAX,
           Limit{.lo = 0, .hi = 10, .partner = F::SMIN, .pair = PairEnd::Upper}),
    number(F::PRIMPCT, "Pct Prim FTV", {.col = 56, .row = 20, .width = 3},
           {.first_lo = '0', .most = 3}, &ConfigUnit::PRIMPCT, Limit{.lo = 0, .hi = 100}),
    letter(F::REGLST, "Reg", {.col = 74, .row = 20}, &ConfigUnit::REGLST, "ABC"),
    letter(F::SETSPC, "Set Specialty Quest nos", {.col = 74, .row = 22}, &ConfigUnit::SETSPC, "YN"),
};

constexpr F H = F::Header, S = F::Stay;

// The name fields never move on Left: there it is the letter K.
constexpr std::array<FieldMoves, kFieldCount> kMoves = {{
    {.from = F::BBK,
     .plain = {.up = H, .down = F::EBK, .enter = F::EBK, .left = S, .right = F::BCHAP},
     .typed = {.up = H, .down = F::EBK, .enter = F::EBK, .left = S, .right = F::BCHAP}},
    {.from = F::BCHAP,
     .plain = {.up = H, .down = F::ECHAP, .enter = F::ECHAP, .left = F::BBK, .right = F::BVER},
     .typed = {.up = H, .down = F::ECHAP, .enter = F::ECHAP, .left = F::BBK, .right = F::BVER}},
    {.from = F::BVER,
     .plain = {.up = H, .down = F::EVER, .enter = F::EVER, .left = F::BCHAP, .right = F::QNUM},
     .typed = {.up = H, .down = F::EVER, .enter = F::EVER, .left = F::BCHAP, .right = S}},
    {.from = F::EBK,
     .plain = {.up = F::BBK, .down = F::NAME1, .enter = F::NAME1, .left = S, .right = F::ECHAP},
     .typed = {.up = F::BBK, .down = F::NAME1, .enter = F::NAME1, .left = S, .right = F::ECHAP}},
    {.from = F::ECHAP,
     .plain =
         {.up = F::BCHAP, .down = F::NAME1, .enter = F::NAME1, .left = F::EBK, .right = F::EVER},
     .typed =
         {.up = F::BCHAP, .down = F::NAME1, .enter = F::NAME1, .left = F::EBK, .right = F::NAME1}},
    {.from = F::EVER,
     .plain =
         {.up = F::BVER, .down = F::NAME1, .enter = F::NAME1, .left = F::ECHAP, .right = F::SEC1},
     .typed = {.up = F::BVER, .down = F::NAME1, .enter = F::NAME1, .left = F::ECHAP, .right = S}},
    {.from = F::NAME1,
     .plain =
         {.up = F::ECHAP, .down = F::NAME4, .enter = F::NAME4, .left = S, .right = F::REPEATPCT},
     .typed =
         {.up = F::ECHAP, .down = F::NAME4, .enter = F::NAME4, .left = S, .right = F::REPEATPCT}},
    {.from = F::NAME4,
     .plain = {.up = F::NAME1, .down = F::OUT, .enter = F::OUT, .left = S, .right = F::SPMIN},
     .typed = {.up = F::NAME1, .down = F::OUT, .enter = F::OUT, .left = S, .right = F::FMIN}},
    {.from = F::LPP,
     .plain = {.up = F::NAME4, .down = F::QMAX, .enter = F::OUT, .left = S, .right = F::OUT},
     .typed = {.up = F::NAME4, .down = F::QMAX, .enter = F::OUT, .left = S, .right = F::OUT}},
    {.from = F::OUT,
     .plain =
         {.up = F::NAME4, .down = F::QMAX, .enter = F::QMAX, .left = F::LPP, .right = F::SPMIN},
     .typed =
         {.up = F::NAME4, .down = F::QMAX, .enter = F::QMAX, .left = F::LPP, .right = F::SPMIN}},
    {.from = F::QMAX,
     .plain = {.up = F::OUT, .down = F::AB, .enter = F::AB, .left = S, .right = F::RMIN},
     .typed = {.up = F::OUT, .down = F::AB, .enter = F::AB, .left = S, .right = F::RMIN}},
    {.from = F::AB,
     .plain = {.up = F::QMAX, .down = F::SPLATE, .enter = F::SPLATE, .left = S, .right = F::SMIN},
     .typed = {.up = F::QMAX, .down = F::SPLATE, .enter = F::SPLATE, .left = S, .right = F::SMIN}},
    {.from = F::SPEARLY,
     .plain = {.up = F::AB, .down = F::IPC, .enter = F::IPC, .left = F::AB, .right = F::SPLATE},
     .typed = {.up = F::AB, .down = F::IPC, .enter = F::IPC, .left = F::AB, .right = F::SPLATE}},
    {.from = F::SPLATE,
     .plain =
         {.up = F::AB, .down = F::INDX, .enter = F::INDX, .left = F::SPEARLY, .right = F::PRIMPCT},
     .typed =
         {.up = F::AB, .down = F::IPC, .enter = F::IPC, .left = F::SPEARLY, .right = F::PRIMPCT}},
    {.from = F::IPC,
     .plain = {.up = F::SPEARLY, .down = F::QNUM, .enter = F::INDX, .left = S, .right = F::INDX},
     .typed = {.up = F::AB, .down = F::QNUM, .enter = F::INDX, .left = S, .right = F::INDX}},
    {.from = F::INDX,
     .plain =
         {.up = F::SPLATE, .down = F::QNUM, .enter = F::QNUM, .left = F::IPC, .right = F::SETSPC},
     .typed =
         {.up = F::SPLATE, .down = F::QNUM, .enter = F::QNUM, .left = F::IPC, .right = F::SETSPC}},
    {.from = F::QNUM,
     .plain = {.up = H, .down = F::SEC1, .enter = F::SEC1, .left = F::BVER, .right = S},
     .typed = {.up = H, .down = F::SEC1, .enter = F::SEC1, .left = F::BVER, .right = S}},
    {.from = F::SEC1,
     .plain =
         {.up = F::QNUM, .down = F::REPEATPCT, .enter = F::REPEATPCT, .left = F::EVER, .right = S},
     .typed =
         {.up = F::QNUM, .down = F::REPEATPCT, .enter = F::REPEATPCT, .left = F::EVER, .right = S}},
    {.from = F::REPEATPCT,
     .plain = {.up = F::SEC1, .down = F::SPMAX, .enter = F::FMAX, .left = F::NAME1, .right = S},
     .typed = {.up = F::SEC1, .down = F::SPMAX, .enter = S, .left = F::NAME1, .right = S}},
    {.from = F::SPMIN,
     .plain =
         {.up = F::REPEATPCT, .down = F::FMIN, .enter = F::FMIN, .left = F::OUT, .right = F::SPMAX},
     .typed = {.up = F::REPEATPCT,
               .down = F::FMIN,
               .enter = F::FMIN,
               .left = F::OUT,
               .right = F::SPMAX}},
    {.from = F::SPMAX,
     .plain = {.up = F::REPEATPCT, .down = F::FMAX, .enter = F::FMAX, .left = F::SPMIN, .right = S},
     .typed =
         {.up = F::REPEATPCT, .down = F::FMAX, .enter = F::FMAX, .left = F::SPMIN, .right = S}},
    {.from = F::FMIN,
     .plain = {.up = F::SPMIN, .down = F::RMIN, .enter = F::RMIN, .left = F::OUT, .right = F::FMAX},
     .typed =
         {.up = F::SPMIN, .down = F::RMIN, .enter = F::RMIN, .left = F::OUT, .right = F::FMAX}},
    {.from = F::FMAX,
     .plain = {.up = F::SPMAX, .down = F::RMAX, .enter = F::RMAX, .left = F::FMIN, .right = S},
     .typed = {.up = F::SPMAX, .down = F::RMAX, .enter = F::RMAX, .left = F::FMIN, .right = S}},
    {.from = F::RMIN,
     .plain = {.up = F::FMIN, .down = F::OMIN, .enter = F::OMIN, .left = F::QMAX, .right = F::RMAX},
     .typed = {.up = F::FMIN, .down = F::OMIN, .enter = F::OMIN, .left = F::OUT, .right = F::RMAX}},
    {.from = F::RMAX,
     .plain = {.up = F::FMAX, .down = F::OMAX, .enter = F::OMAX, .left = F::RMIN, .right = S},
     .typed = {.up = F::FMAX, .down = F::OMAX, .enter = F::OMAX, .left = F::RMIN, .right = S}},
    {.from = F::OMIN,
     .plain = {.up = F::RMIN, .down = F::SMIN, .enter = F::SMIN, .left = F::QMAX, .right = F::OMAX},
     .typed =
         {.up = F::RMIN, .down = F::SMIN, .enter = F::SMIN, .left = F::QMAX, .right = F::OMAX}},
    {.from = F::OMAX,
     .plain = {.up = F::RMAX, .down = F::SMAX, .enter = F::SMAX, .left = F::OMIN, .right = S},
     .typed = {.up = F::RMAX, .down = F::SMAX, .enter = F::SMAX, .left = F::OMIN, .right = S}},
    {.from = F::SMIN,
     .plain =
         {.up = F::OMIN, .down = F::PRIMPCT, .enter = F::PRIMPCT, .left = F::AB, .right = F::SMAX},
     .typed =
         {.up = F::OMIN, .down = F::PRIMPCT, .enter = F::PRIMPCT, .left = F::AB, .right = F::SMAX}},
    {.from = F::SMAX,
     .plain = {.up = F::OMAX, .down = F::REGLST, .enter = F::REGLST, .left = F::SMIN, .right = S},
     .typed = {.up = F::OMAX, .down = F::SETSPC, .enter = F::SETSPC, .left = F::SMIN, .right = S}},
    {.from = F::PRIMPCT,
     .plain = {.up = F::SMIN,
               .down = F::SETSPC,
               .enter = F::SETSPC,
               .left = F::SPLATE,
               .right = F::REGLST},
     .typed = {.up = F::SMIN,
               .down = F::SETSPC,
               .enter = F::SETSPC,
               .left = F::SPLATE,
               .right = F::REGLST}},
    {.from = F::REGLST,
     .plain =
         {.up = F::SMAX, .down = F::SETSPC, .enter = F::SETSPC, .left = F::PRIMPCT, .right = S},
     .typed =
         {.up = F::SMAX, .down = F::SETSPC, .enter = F::SETSPC, .left = F::PRIMPCT, .right = S}},
    {.from = F::SETSPC,
     .plain = {.up = F::REGLST, .down = F::BCHAP, .enter = F::BCHAP, .left = F::INDX, .right = S},
     .typed = {.up = F::REGLST, .down = F::BCHAP, .enter = F::BCHAP, .left = F::INDX, .right = S}},
}};

// Each row sits at its field's index.
constexpr bool in_field_order() {
  for (size_t i = 0; i < kFields.size(); ++i)
    if (static_cast<size_t>(kFields[i].id) != i || static_cast<size_t>(kMoves[i].from) != i)
      return false;
  return true;
}
static_assert(in_field_order());

size_t index_of(Field f) {
  int i = static_cast<int>(f);
  if (i < 0 || i >= kFieldCount) throw InternalError("no such form field: " + std::to_string(i));
  return static_cast<size_t>(i);
}

}  // namespace

const FieldSpec& field_spec(Field f) { return kFields[index_of(f)]; }

Field move_for(Field f, int key, KeyUse use) {
  const FieldMoves& row = kMoves[index_of(f)];
  const Moves& m = use == KeyUse::EndEntry ? row.typed : row.plain;
  switch (key) {
    case kKeyUp:
      return m.up;
    case kKeyDown:
      return m.down;
    case kKeyEnter:
      return m.enter;
    case kKeyLeft:
      return m.left;
    case kKeyRight:
      return m.right;
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
