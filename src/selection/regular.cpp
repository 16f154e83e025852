#include "selection/regular.hpp"

#include <cstdlib>
#include <string>

#include "platform/errors.hpp"
#include "selection/progress.hpp"
#include "selection/specialty.hpp"

namespace halvorin {

namespace {

// Draws after which CHOOSES takes whatever sector it drew.
constexpr int kForceAfter = 30000;
// Sector draws per distance stage.
constexpr int kStageDraws = 20;

// Makes every regular question of sector s available again.
void recycle_sector(Program& p, int s, int quiz) {
  RunState& rs = p.rs;
  for (int n = 1; n <= rs.REGQUESTION.cols(); ++n) rs.REGQUESTION(s, n) = true;
  rs.QPS[s] = rs.TQPS[s];
  write_note(p, "Regular questions of sector " + std::to_string(s) + " repeated in quiz " +
                    std::to_string(quiz));
}

}  // namespace

SectorDraw CHOOSES(Program& p, int quiz, int pos) {
  RunState& rs = p.rs;
  SectorDraw d;
  // The draws before the last are only tested against FLAG; the generator is held in a local
  // while they spin (the same draws, in the same order) and handed back before anything else.
  {
    Random rng = p.rng;
    const int n = rs.SECTORS;
    for (int SV = 1; SV < kForceAfter; ++SV) {
      int s = rng.random(n) + 1;
      if (rs.FLAG[s] == 1) {
        d.sector = s;
        break;
      }
    }
    p.rng = rng;
  }
  if (d.sector == 0) {
    // The last draw takes whatever sector it gives.
    int s = p.random(rs.SECTORS) + 1;
    if (rs.SPMIN != 0) {
      rs.FIX = quiz;
      if (rs.FIX > rs.FIXLAST) {
        write_note(p,
                   "Sectors repeat Quest " + std::to_string(pos) + " Quiz " + std::to_string(quiz));
        advance_rset(p);
        p.con.gotoxy(3, rs.RSET);
        p.con.clreol();
        p.con.write("  << Sectors repeat Quiz " + std::to_string(quiz) + " **Check this quiz** >>");
        p.con.writeln();
      }
    }
    d.sector = s;
    d.forced = rs.FLAG[s] != 1;
  }
  rs.SECTOR[pos] = d.sector;
  d.LDIF = std::abs(rs.SECTOR[pos - 1] - d.sector);
  d.NDIF = std::abs(rs.SECTOR[pos + 1] - d.sector);
  return d;
}

void CHOOSEQUE(Program& p, SelectionState& ss, int quiz, int pos) {
  RunState& rs = p.rs;
  SectorDraw d;
  bool found = false;
  for (int threshold = 5; threshold >= 1 && !found; --threshold) {
    for (int i = 0; i < kStageDraws && !found; ++i) {
      d = CHOOSES(p, quiz, pos);
      found = d.LDIF > threshold && d.NDIF > threshold;
    }
  }
  if (!found) d = CHOOSES(p, quiz, pos);
  const int s = d.sector;
  rs.QN[s] = pos;
  if (rs.TQPS[s] <= 0)
    throw InternalError("sector " + std::to_string(s) + " has no regular questions");
  auto available = [&](int n) { return rs.REGQUESTION(s, n); };
  int n = draw_until(p, rs.TQPS[s], available);
  if (n == 0) {
    // Earlier choices of this run used the whole sector up: its questions repeat.
    recycle_sector(p, s, quiz);
    n = draw_until(p, rs.TQPS[s], available);
  }
  rs.FLAG[s] = 0;
  if (p.random(100) >= rs.REPEATPCT && !d.forced) rs.REGQUESTION(s, n) = false;
  if (rs.INT(s, n)) rs.ITOT += 1;
  rs.RNUMBER[s] = n;
  ss.number_at[pos] = n;
  rs.RSECTOR[pos] = s;
  rs.QPS[s] -= 1;
}

}  // namespace halvorin
