#pragma once
// The fields of the configuration form as data: where each waits, how wide it is, what it
// holds, which keys start an entry, and where each key leads from it.
#include <optional>
#include <string>

#include "platform/keys.hpp"
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

// Which end of a pair a number field is: a minimum may not pass its maximum, and the other way
// round.
enum class PairEnd { None, Lower, Upper };

// A number field's limits and the field it is kept in order with.
struct Limit {
  int lo = 0, hi = 0;
  Field partner = Field::Stay;  // Stay when there is none
  PairEnd pair = PairEnd::None;
};

// One field of the form.
struct FieldSpec {
  Field id;
  const char* label;  // the field's name on the form, for messages
  int col, row;       // where the cursor waits and the value starts
  int width;
  FieldKind kind;
  char first_lo = 0;                   // numbers: lowest digit that starts an entry ('0' or '1')
  int digits = 0;                      // numbers: most digits of an entry
  int ConfigUnit::*num = nullptr;      // numbers
  char ConfigUnit::*letter = nullptr;  // one-letter fields
  const char* letters = nullptr;       // one-letter fields: the capitals accepted
  std::string ConfigUnit::*text = nullptr;  // names and book codes
  // Numbers but the chapters and verses: what an entry is brought within.
  std::optional<Limit> limit = std::nullopt;
};

// Where each key leads from a field.
struct Moves {
  Field up, down, enter, left, right;
};

// Where the keys lead from a field: normally, and when the key ended a typed entry.
struct FieldMoves {
  Field from;
  Moves plain, typed;
};

// How the key that leaves a field was pressed: to move on, or to end a typed entry.
enum class KeyUse { Move, EndEntry };

// The field's description.
const FieldSpec& field_spec(Field f);
// Where `key` (Up, Down, Left, Right or Enter) leads from `f`. Returns Stay for any other key.
Field move_for(Field f, int key, KeyUse use);
// True for the keys that move between fields.
inline bool is_move_key(int key) {
  return key == kKeyUp || key == kKeyDown || key == kKeyLeft || key == kKeyRight ||
         key == kKeyEnter;
}

// Draws a field's stored value in the value colours (numbers right-aligned in the field width,
// a letter after one blank, a name over ten blanks, the book code as its two characters).
void draw_value(Console& con, const ConfigUnit& cu, Field f);

// Runs the cursor in one field until a key leads elsewhere, and returns where: another field,
// the same field again, or the header (Esc, or Up from the top row).
Field edit_field(Program& p, Field f);

}  // namespace halvorin
