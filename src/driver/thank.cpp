#include "driver/thank.hpp"

namespace halvorin {

void THANK(Console& con, const std::string& NAME4) {
  CLR(con);
  con.writeln("  Thank you for using Halvorin 23.0");
  con.writeln();
  con.writeln("  A list of questions and sectors used has been saved as " + NAME4 + ".inf");
  con.writeln();
  con.writeln("  Your output file has been saved in ASCII text file " + NAME4 + ".qui");
  con.writeln();
  con.write("  Do you wish to print it now? ");
}

}  // namespace halvorin
