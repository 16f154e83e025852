#include "driver/warnings.hpp"

#include <string>

namespace halvorin {

void QUESTWARN(Program& p) {
  Console& con = p.con;
  std::string n = std::to_string(p.rs.TQUEST);
  con.writeln("  There are only " + n + " regular questions in this material.");
  con.writeln();
  con.writeln("  Change Questions per packet to " + n + " or less.");
  con.set_where(kTooFewWarning);
  con.wait_enter();
}

void SPECWARN(Program& p) {
  Console& con = p.con;
  con.gotoxy(3, 3);
  con.writeln("One specialty has zero questions.");
  con.writeln();
  con.writeln("  Change the maximum for that specialty to zero.");
  con.writeln();
  con.writeln("  Press return to continue.");
  con.set_where("empty specialty warning");
  con.wait_enter();
  con.wait_enter();
}

}  // namespace halvorin
