#include "config/form.hpp"

namespace halvorin {

namespace {
constexpr const char* kHeader = "Quiz Configuration -- Press Return Here When Ready";
}

void QCON(Console& con) {
  con.textcolor(15);
  con.textbackground(2);
  con.write(kHeader);
  con.textcolor(12);
  con.textbackground(0);
}

void QCON2(Console& con) {
  con.gotoxy(15, 3);
  con.textcolor(14);
  con.textbackground(1);
  con.write(kHeader);
  con.textcolor(12);
  con.textbackground(0);
}

FormExit run_form(Program& p) {
  Console& con = p.con;
  p.cu.NAME1 = p.cu.FIL[p.cu.Y];
  con.set_where("configuration header");
  con.gotoxy(15, 3);
  QCON(con);
  for (;;) {
    con.gotoxy(15, 3);
    int key = con.read_key();
    p.cu.I = key;
    if (key == 13) return FormExit::Save;
    if (key == 27) return FormExit::Back;
  }
}

}  // namespace halvorin
