#include "config/form.hpp"

#include "config/checks.hpp"
#include "config/form_fields.hpp"
#include "platform/keys.hpp"

namespace halvorin {

namespace {

enum class HeaderKey { Save, Back, Down };

// The highlighted header line: Enter saves, Esc goes back to the style list, Down returns to
// the form; every other key is ignored.
HeaderKey header_line(Console& con) {
  con.set_where("configuration header");
  con.gotoxy(15, 3);
  QCON(con);
  for (;;) {
    con.gotoxy(15, 3);
    int key = con.read_key();
    if (key == kKeyEnter) return HeaderKey::Save;
    if (key == kKeyEsc) return HeaderKey::Back;
    if (key == kKeyDown) {
      QCON2(con);
      return HeaderKey::Down;
    }
  }
}

}  // namespace

FormExit run_form(Program& p) {
  show_books(p.cu);
  OVRLAY(p);
  Field f = Field::BCHAP;
  for (;;) {
    if (f != Field::Header) {
      f = edit_field(p, f);
      continue;
    }
    // Every way to the header passes the checks; a broken condition sends the cursor to the
    // field to correct.
    if (std::optional<Field> broken = check_step(p)) {
      f = *broken;
      continue;
    }
    switch (header_line(p.con)) {
      case HeaderKey::Save:
        p.cu.I = kKeyEnter;
        return FormExit::Save;
      case HeaderKey::Back:
        p.cu.I = kKeyEsc;
        return FormExit::Back;
      case HeaderKey::Down:
        f = Field::BCHAP;
        break;
    }
  }
}

}  // namespace halvorin
