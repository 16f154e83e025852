#include "driver/approve.hpp"

namespace halvorin {

void APPROVESPEC(Console& con) {
  con.gotoxy(16, 4);
  con.write(kApproveEach);
  con.gotoxy(16, 3);
  con.write(kRunAutomatically);
  con.textbackground(4);
  con.textcolor(15);
}

}  // namespace halvorin
