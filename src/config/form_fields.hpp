#pragma once
// The fields of the configuration form as data: where each waits, how wide it is, what it
// holds, which keys start an entry, and where each key leads from it.
#include "state/program.hpp"

namespace halvorin {

// The form's fields in drawing order, plus the header line and "stay in the field".
enum class Field {
  BBK,
  BCHAP,
  BVER,
  EBK,
  ECHAP,
  EVER,
  NAME1,
  NAME4,
  LPP,
  OUT,
  QMAX,
  AB,
  SPEARLY,
  SPLATE,
  IPC,
  INDX,
  QNUM,
  SEC1,
  REPEATPCT,
  SPMIN,
  SPMAX,
  FMIN,
  FMAX,
  RMIN,
  RMAX,
  OMIN,
  OMAX,
  SMIN,
  SMAX,
  PRIMPCT,
  REGLST,
  SETSPC,
  Header,  // the checks, then the header line
  Stay,    // the key is ignored and the cursor stays
};

constexpr int kFieldCount = static_cast<int>(Field::Header);

enum class FieldKind { Number, Name, Letter, Book };

// One field of the form.
struct FieldSpec {
  Field id;
  const char* label;  // the field's name on the form, for messages
  int col, row;       // where the cursor waits and the value starts
  int width;
  FieldKind kind;
  char first_lo;                       // numbers: lowest digit that starts an entry ('0' or '1')
  int digits;                          // numbers: most digits of an entry
  int ConfigUnit::*num = nullptr;      // numbers
  char ConfigUnit::*letter = nullptr;  // one-letter fields
  const char* letters = nullptr;       // one-letter fields: the capitals accepted
  std::string ConfigUnit::*text = nullptr;  // names and book codes
};

// Where the keys lead from a field: normally, and when the key ended a typed entry.
struct FieldMoves {
  Field up, down, enter, left, right;
  Field typed_up, typed_down, typed_enter, typed_left, typed_right;
};

// The key codes the form moves on (arrows arrive as 0 and these codes; the capitals H, P, K
// and M are the same codes).
constexpr int kUp = 72, kDown = 80, kLeft = 75, kRight = 77, kEnter = 13, kEsc = 27;

// The field's description.
const FieldSpec& field_spec(Field f);
// Where `key` (Up, Down, Left, Right or Enter) leads from `f`; `typed` when it ended an entry.
// Returns Stay for any other key.
Field move_for(Field f, int key, bool typed);
// True for the keys that move between fields.
inline bool is_move_key(int key) {
  return key == kUp || key == kDown || key == kLeft || key == kRight || key == kEnter;
}

// Draws a field's stored value in the value colours (numbers right-aligned in the field width,
// a letter after one blank, a name over ten blanks, the book code as its two characters).
void draw_value(Console& con, const ConfigUnit& cu, Field f);

// Runs the cursor in one field until a key leads elsewhere, and returns where: another field,
// the same field again, or the header (Esc, or Up from the top row).
Field edit_field(Program& p, Field f);

}  // namespace halvorin
