#include "sectoring/sector_table.hpp"

namespace halvorin {

std::string sector_block(const RunState& rs, int s, int number_width) {
  // The sector's first book by letter, and each end in its book's own chapters.
  const MaterialSet& set = rs.set;
  std::string b = fmt_int(s, number_width) + " " + set.book_of_chapter(rs.BC[s]).letter + " " +
                  fmt_int(set.own_chapter(rs.BC[s]), 2) + ":" + fmt_int(rs.BV[s], 2) +
                  fmt_int(set.own_chapter(rs.EC[s]), 3) + ":" + fmt_int(rs.EV[s], 2);
  for (Kind k : kAllKinds) b += fmt_int(rs.in_sector[k][s], 4);
  return b;
}

void DISPLAY(Program& p) {
  RunState& rs = p.rs;
  Console& con = p.con;
  rs.EC[rs.SECTORS] = rs.ECHAP;
  rs.EV[rs.SECTORS] = rs.EVER;

  con.writeln();
  con.writeln("  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
  con.writeln("  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit");
  con.writeln("  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---");
  // Sector numbers run down the left half first, then down the right half.
  int half = (rs.SECTORS + 1) / 2;
  for (int i = 1; i <= half; ++i) {
    std::string line = sector_block(rs, i, 4);
    if (i + half <= rs.SECTORS) line += sector_block(rs, i + half, 5);
    con.writeln(line);
  }
  con.writeln();

  rs.RQUEST = rs.FQUEST = rs.OQUEST = rs.SQUEST = 0;
  for (int s = 1; s <= SCMAX; ++s) {
    rs.RQUEST += rs.RPS[s];
    rs.FQUEST += rs.FPS[s];
    rs.OQUEST += rs.OPS[s];
    rs.SQUEST += rs.SPS[s];
  }
}

}  // namespace halvorin
