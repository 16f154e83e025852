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

void show_seed(Console& con, uint64_t seed) {
  // Row 23 stays clear of the print dialogue below the question and of a printing failure.
  const int col = con.wherex(), row = con.wherey();
  con.gotoxy(1, 23);
  con.write("  Seed " + std::to_string(seed));
  con.gotoxy(col, row);
}

}  // namespace halvorin
