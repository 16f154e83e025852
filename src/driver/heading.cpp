#include "driver/screens.hpp"

namespace halvorin {

void WRITEHDG(Console& con, const std::string& title) {
  con.textbackground(1);
  con.textcolor(14);
  for (int row = 1; row <= 25; ++row) {
    con.gotoxy(1, row);
    con.clreol();
  }
  con.gotoxy(1, 1);
  con.textbackground(15);
  con.textcolor(0);
  con.clreol();
  con.textcolor(4);
  con.write("  H");
  con.textcolor(0);
  con.write("alvorin");
  con.textcolor(4);
  con.write(" 23.0                                       ");
  con.textcolor(0);
  con.write("              " + title);
  con.textcolor(4);
  con.gotoxy(1, 25);
  con.clreol();
  con.textcolor(0);
  // The web address that may end this row is left out: writing into column 80 of row 25 would
  // scroll the screen.
  con.write("  TAMR       " + std::string(15, ' ') + std::string(38, ' '));
  con.textbackground(1);
  con.textcolor(14);
}

}  // namespace halvorin
