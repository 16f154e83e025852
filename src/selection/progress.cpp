#include "selection/progress.hpp"

#include "platform/errors.hpp"

namespace halvorin {

void advance_rset(Program& p) {
  p.rs.RSET += 1;
  if (p.rs.RSET >= 24) {
    CLR(p.con);
    p.rs.RSET = 5;
  }
}

void write_note(Program& p, const std::string& line) {
  if (!p.rs.F9 || !p.rs.F9->is_open()) throw InternalError("the notes file is not open");
  p.rs.F9->writeln(line);
}

}  // namespace halvorin
