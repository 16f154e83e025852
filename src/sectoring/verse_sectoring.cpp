#include "sectoring/verse_sectoring.hpp"

#include "material/counts.hpp"
#include "sectoring/sector_counts.hpp"

namespace halvorin {

namespace {

// The walk's place: the next verse to be taken.
struct Place {
  int ch = 1, v = 1;
};

// True when no verse from `from` up to (not including) `to` holds a question of any kind.
bool no_questions(const RunState& rs, Place from, Place to) {
  for (Place at = from; after(to.ch, to.v, at.ch, at.v);) {
    if (rs.QCOUNT(at.ch, at.v) + rs.FCOUNT(at.ch, at.v) + rs.RCOUNT(at.ch, at.v) +
            rs.OCOUNT(at.ch, at.v) + rs.SCOUNT(at.ch, at.v) >
        0)
      return false;
    if (++at.v > rs.QCOUNT.cols()) at = {at.ch + 1, 1};
  }
  return true;
}

// The reduced Acts material has no chapter 7, 9 to 11 or 14 to 16, so a sector does not begin
// there; a declared set's reduced material lacks the chapters its books' "reduced" lists leave
// out. A stretch that does hold questions is not jumped: they would belong to no sector.
void skip_absent_chapters(const RunState& rs, Place& at) {
  if (rs.LG != 'L') return;
  if (rs.set.acts_verse_table) {
    const struct {
      int from;
      Place to;
    } jumps[] = {{7, {8, 1}}, {9, {12, 1}}, {14, {17, 1}}};
    for (const auto& j : jumps)
      if (at.ch == j.from && no_questions(rs, at, j.to)) at = j.to;
    return;
  }
  if (at.ch > rs.set.total_chapters() || rs.set.reduced_covers(at.ch)) return;
  Place next{at.ch + 1, 1};
  while (next.ch <= rs.set.total_chapters() && !rs.set.reduced_covers(next.ch)) ++next.ch;
  if (no_questions(rs, at, next)) at = next;
}

// How far the walk steps over verses without regular questions: on through the material, or
// no further than ECHAP:EVER.
enum class Walk { Free, WithinRange };

// Adds the verse at the walk's place to sector s (its end verse moves there), then steps on to
// the next verse with regular questions. Verses without any are stepped over with their
// specialty counts going to s and without moving the sector's end; when the rest of the chapter
// has no regular question the walk goes on at verse 1 of the next chapter.
void take_verse(RunState& rs, int s, Place& at, Walk walk) {
  rs.QPS[s] += rs.QCOUNT(at.ch, at.v);
  SPECOUNT(rs, rs, at.ch, at.v, s);
  rs.EC[s] = at.ch;
  rs.EV[s] = at.v;
  for (;;) {
    if (++at.v > rs.QCOUNT.cols()) {
      at = {at.ch + 1, 1};
      return;
    }
    if (rs.QCOUNT(at.ch, at.v) > 0) return;
    if (walk == Walk::WithinRange && after(at.ch, at.v, rs.ECHAP, rs.EVER)) return;
    SPECOUNT(rs, rs, at.ch, at.v, s);
  }
}

bool past_material(const RunState& rs, const Place& at) { return at.ch > rs.QCOUNT.rows(); }

// One attempt: sectors before `turn` aim at target + 1 regular questions, the others at
// target. Returns where the walk stands after the last sector.
Place attempt(RunState& rs, int target, int turn) {
  clear_sector_counts(rs);
  Place at{rs.BCHAP, rs.BVER};
  for (int s = 1; s <= rs.SECTORS && !past_material(rs, at); ++s) {
    skip_absent_chapters(rs, at);
    if (past_material(rs, at)) break;
    rs.BC[s] = at.ch;
    rs.BV[s] = at.v;
    int aim = s < turn ? target + 1 : target;
    do {
      take_verse(rs, s, at, Walk::Free);
    } while (rs.QPS[s] < aim && !past_material(rs, at));
    keep_sector_totals(rs, s);
  }
  return at;
}

}  // namespace

int sector_by_verse(RunState& rs) {
  const int n = rs.SECTORS;
  int target = rs.TQUEST / n;
  int turn = n - 1;
  Place at;
  // Lower the turning sector first (one sector fewer aims high), then the target itself.
  for (;;) {
    at = attempt(rs, target, turn);
    if (!after(at.ch, at.v, rs.ECHAP, rs.EVER)) break;
    if (turn > 1) {
      --turn;
    } else if (--target < 0) {
      return -1;
    } else {
      turn = n - 1;
    }
  }
  // The verses left over after the last sector go to it.
  while (!after(at.ch, at.v, rs.ECHAP, rs.EVER) && !past_material(rs, at))
    take_verse(rs, n, at, Walk::WithinRange);
  keep_sector_totals(rs, n);
  return target;
}

}  // namespace halvorin
