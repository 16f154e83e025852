// The sectoring steps of a pass: the range cut by the style's letter, the sector table, the
// notice that regular questions will repeat with the offer to cut by questions instead, and the
// question availability and sector totals made ready for the quiz loop.
#include <string>

#include "driver/steps.hpp"
#include "platform/keys.hpp"
#include "sectoring/chapter_sectoring.hpp"
#include "sectoring/resector.hpp"
#include "sectoring/sector_range.hpp"
#include "sectoring/sector_table.hpp"

namespace halvorin {

namespace {

// Quiz styles are edited by hand too: a number of sectors the tables cannot hold, or a range
// that ends before it begins, is told to the user and the pass starts over.
bool sectorable(Program& p) {
  RunState& rs = p.rs;
  std::string why;
  if (rs.SECTORS < 1 || rs.SECTORS > SCMAX)
    why = "A quiz must have 1 to " + std::to_string(SCMAX) + " questions, not " +
          std::to_string(rs.SECTORS) + ".";
  else if (rs.BCHAP > rs.ECHAP || (rs.BCHAP == rs.ECHAP && rs.BVER > rs.EVER))
    why = "The range ends before it begins.";
  if (why.empty()) return true;
  CLR(p.con);
  p.con.gotoxy(3, 3);
  p.con.write(why + " Press Return to choose a quiz style.");
  p.con.set_where("sectoring refused");
  p.con.wait_enter();
  return false;
}

// The range cut by the style's letter and the table shown. False when the pass starts over:
// Esc on the table of verse sectoring, or a sector without regular questions.
bool divide(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  const char mode = rs.SEC1;
  const SectorWay way = sector_way(mode);
  if (way == SectorWay::Chapter) return CHAPSEC(p);
  if (way == SectorWay::Question) {
    RESECTOR(p);
    rs.RES = true;
    DISPLAY(p);
    con.set_where("sector table");
    con.wait_key_pending();  // the key is left for the next prompt
    return rs.MINQZ != 0;
  }
  const SectorCut cut = cut_range(rs, way);
  rs.MINQZ = cut.smallest;
  rs.FBEFORE = rs.TEMPF;
  // No verse target fitted: the range has been cut by questions, which the user is told.
  rs.RES = cut.way == SectorWay::Question;
  if (rs.RES) question_sectoring_notice(con);
  DISPLAY(p);
  int key = 0;
  if (mode == 'V') {
    con.set_where("sector table");
    do {
      key = con.read_key();
    } while (key == 191);
  }
  return key != kKeyEsc && rs.MINQZ != 0;
}

// When regular questions must repeat early, says so and, after verse sectoring, offers to cut
// the range by questions instead.
void repeats_notice(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  if (!(rs.MINQZ < rs.QNUM && rs.MINQZ < 12)) return;
  CLR(con);
  con.gotoxy(3, 3);
  con.write("Regular question repeats will begin after quiz " + std::to_string(rs.MINQZ));
  if (rs.RES) return;
  con.gotoxy(3, 4);
  con.write("Do you wish to resector? ");
  con.set_where("resector question");
  int key = con.read_key();
  if (key >= 32 && key < 127) con.write(std::string(1, static_cast<char>(key)));
  if (key == 'Y' || key == 'y') {
    RESECTOR(p);
    DISPLAY(p);
    con.set_where("sector table");
    while (con.read_key() == '8') {
    }
  } else {
    con.wait_enter();
  }
}

// Every question available again and the sectors' counts kept as their totals.
void ready_for_quizzes(RunState& rs) {
  make_room_for_sectors(rs);
  for (Kind k : kAllKinds) {
    rs.available[k].fill(true);
    for (int s = 1; s <= SCMAX; ++s) rs.sector_total[k][s] = rs.in_sector[k][s];
  }
}

}  // namespace

Step sector_material(Program& p) {
  RunState& rs = p.rs;
  if (!sectorable(p)) return Step::StartOver;
  if (!divide(p)) return Step::StartOver;
  repeats_notice(p);
  CLR(p.con);
  ready_for_quizzes(rs);
  return Step::Continue;
}

}  // namespace halvorin
