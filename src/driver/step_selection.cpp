// The combination menu and the quiz loop of a pass.
#include <memory>

#include "driver/approve.hpp"
#include "driver/steps.hpp"
#include "output/writer.hpp"
#include "platform/keys.hpp"
#include "selection/assembly.hpp"
#include "selection/specialty.hpp"

namespace halvorin {

Step choose_combination_mode(Program& p) {
  Console& con = p.con;
  CLR(con);
  // The highlighted line: 1 "run automatically" (row 3), 2 "approve each" (row 4).
  int line = 1;
  con.set_where("combination menu");
  for (;;) {
    APPROVESPEC(con);
    con.gotoxy(16, line == 1 ? 3 : 4);
    con.write(line == 1 ? kRunAutomatically : kApproveEach);
    con.textcolor(14);
    con.textbackground(1);
    int key = con.read_key();
    if (key == kKeyDown) line += 1;
    if (key == kKeyUp) line -= 1;
    if (line == 3) line = 1;
    if (line == 0) line = 2;
    if (key == kKeyEsc) return Step::StartOver;
    if (key == kKeyEnter) break;
  }
  p.rs.V = line == 1 ? Combination::Automatic : Combination::ApproveEach;
  return Step::Continue;
}

Step make_quizzes(Program& p) {
  RunState& rs = p.rs;
  std::string inf = rs.INFFILE.empty() ? rs.NAME4 + ".inf" : rs.INFFILE;
  rs.F9 = std::make_unique<TextWriter>(rs.NOTESFILE, TextWriter::Mode::Create);
  // Like the quiz file, the list is written beside the old one and takes its place when the pass
  // closes it complete.
  rs.F10 = std::make_unique<TextWriter>(inf, TextWriter::Mode::Replace);

  rs.MINQZ1 = rs.MINQZ;
  rs.FQUIZ1 = rs.FQUIZ;
  rs.FTC2 = 'b';
  rs.FTC3 = 'c';
  rs.FTC4 = 'd';
  SelectionState ss(rs);
  FINTYPES(p, ss);

  for (int quiz = 1; quiz <= rs.QZ; ++quiz) {
    CHOOSESPEC(p, ss, quiz);
    OPUT(p);
  }

  // The notes of the run go to the end of the used-question list; read before testing for the
  // end, so no notes still give one empty line.
  rs.F9->close();
  TextReader notes(rs.NOTESFILE);
  do {
    rs.F10->writeln(notes.read_line(LMAX));
  } while (!notes.eof());
  // The seed closes the notes: with it the same packet can be made again.
  rs.F10->writeln("Seed " + std::to_string(p.rng.seed()));
  return Step::Continue;
}

}  // namespace halvorin
