// Typing in the form's fields: numbers, names, one-letter choices and book codes.
#include <algorithm>
#include <cstring>

#include "config/form.hpp"
#include "config/form_fields.hpp"
#include "config/form_rules.hpp"
#include "platform/keys.hpp"

namespace halvorin {

namespace {

bool is_digit(int k) { return k >= '0' && k <= '9'; }

bool is_letter(int k) { return (k >= 'A' && k <= 'Z') || (k >= 'a' && k <= 'z'); }

// Letters and the digits 1 to 9 make a name; "0", blanks and punctuation do not.
bool is_name_char(int k) { return is_letter(k) || (k >= '1' && k <= '9'); }

int upper(int k) { return (k >= 'a' && k <= 'z') ? k - 'a' + 'A' : k; }

bool in_list(const char* list, int k) {
  return k > 0 && k < 128 && std::strchr(list, k) != nullptr;
}

void echo(Console& con, int k) {
  con.textcolor(12);
  con.textbackground(0);
  con.write(std::string(1, static_cast<char>(k)));
}

// Where a key read while no entry is in progress leads: the header for Esc, a field for a move
// key the field has, Stay for everything else.
Field move_before_entry(Field f, int k) {
  if (k == kKeyEsc) return Field::Header;
  return is_move_key(k) ? move_for(f, k, KeyUse::Move) : Field::Stay;
}

Field number_entry(Program& p, Field f) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  const FieldSpec& s = field_spec(f);
  int k = 0;
  for (;;) {
    con.gotoxy(s.col, s.row);
    k = con.read_key();
    Field to = move_before_entry(f, k);
    if (to != Field::Stay) return to;
    if (k >= s.first_lo && k <= '9') break;
  }
  con.textcolor(12);
  con.textbackground(0);
  con.write(std::string(static_cast<size_t>(s.width), ' '));
  con.gotoxy(s.col, s.row);
  echo(con, k);
  int value = k - '0';
  int typed = 1;
  int held = 0;  // the move key that ended the entry
  // In a chapter field a first digit no two-digit chapter of the book starts with is the whole
  // chapter (for Acts' 28 chapters, 3 or more).
  bool done = (f == Field::BCHAP || f == Field::ECHAP) &&
              value * 10 > cu.set.book(std::max(range_book(cu, f), 1)).chapters();
  while (!done) {
    k = con.read_key();
    if (k == kKeyEsc) {
      draw_value(con, cu, f);
      return Field::Header;
    }
    if (is_digit(k)) {
      value = value * 10 + (k - '0');
      if (++typed == s.digits) {
        done = true;
      } else {
        echo(con, k);
      }
    } else if (is_move_key(k)) {
      held = k;
      done = true;
    }
  }
  cu.*s.num = value;
  apply_number_rule(p, f);
  if (held == 0) return f;  // ended by its last digit: the cursor stays
  Field to = move_for(f, held, KeyUse::EndEntry);
  return to == Field::Stay ? f : to;
}

Field name_entry(Program& p, Field f) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  const FieldSpec& s = field_spec(f);
  draw_value(con, cu, f);
  int k = 0;
  for (;;) {
    con.gotoxy(s.col, s.row);
    k = con.read_key();
    if (k == kKeyEsc) return Field::Header;
    // Left is not a move here: its code is the letter K, which starts a name.
    if (k == kKeyUp || k == kKeyDown || k == kKeyRight || k == kKeyEnter)
      return move_for(f, k, KeyUse::Move);
    if (is_name_char(k)) break;
  }
  std::string name(1, static_cast<char>(upper(k)));
  con.textcolor(12);
  con.textbackground(0);
  con.write(std::string(static_cast<size_t>(s.width), ' '));
  con.gotoxy(s.col, s.row);
  con.write(name);
  for (;;) {
    k = con.read_key();
    if (static_cast<int>(name.size()) == s.width) {
      // A full name: whatever the key, on to the next field down.
      cu.*s.text = name;
      return move_for(f, kKeyDown, KeyUse::Move);
    }
    // The capitals H, P and M are the codes of Up, Down and Right and end the name.
    if (k == kKeyUp || k == kKeyDown || k == kKeyRight || k == kKeyEnter) {
      cu.*s.text = name;
      return move_for(f, k, KeyUse::EndEntry);
    }
    if (is_name_char(k)) {
      name += static_cast<char>(k);
      con.gotoxy(s.col - 1 + static_cast<int>(name.size()), s.row);
      echo(con, k);
    }
  }
}

Field letter_entry(Program& p, Field f) {
  Console& con = p.con;
  ConfigUnit& cu = p.cu;
  const FieldSpec& s = field_spec(f);
  if (f == Field::OUT) EVSET(cu);
  for (;;) {
    con.gotoxy(s.col, s.row);
    int k = con.read_key();
    // Esc and the moves come first: in the Output field a capital P is Down.
    if (k == kKeyEsc || is_move_key(k)) {
      Field to = move_before_entry(f, k);
      if (to != Field::Stay) return to;
      continue;
    }
    int c = f == Field::REGLST ? CAPS(k) : upper(k);
    if (in_list(s.letters, c)) {
      cu.*s.letter = static_cast<char>(c);
      echo(con, c);
    }
  }
}

// The book a key chooses in a book field, or 0. A set of one book takes the keys the field has
// always taken; a set of several takes its letters in either case (the capitals H, K, M and P
// are moves before they get here).
int book_of_key(const MaterialSet& set, int k) {
  if (!set.several_books()) return in_list("12RrJj", k) ? 1 : 0;
  return is_letter(k) ? set.book_of_letter(static_cast<char>(k)) : 0;
}

Field book_entry(Program& p, Field f) {
  Console& con = p.con;
  const FieldSpec& s = field_spec(f);
  for (;;) {
    con.gotoxy(s.col, s.row);
    int k = con.read_key();
    Field to = move_before_entry(f, k);
    if (to != Field::Stay) return to;
    if (is_move_key(k)) continue;  // a capital K is Left, which the book fields ignore
    if (int b = book_of_key(p.cu.set, k)) f == Field::BBK ? SETBBK(p, b) : SETEBK(p, b);
  }
}

}  // namespace

Field edit_field(Program& p, Field f) {
  const FieldSpec& s = field_spec(f);
  p.con.set_where(std::string("configuration form, ") + s.label);
  switch (s.kind) {
    case FieldKind::Number:
      return number_entry(p, f);
    case FieldKind::Name:
      return name_entry(p, f);
    case FieldKind::Letter:
      return letter_entry(p, f);
    case FieldKind::Book:
      return book_entry(p, f);
  }
  return f;
}

}  // namespace halvorin
