#include "sectoring/resector.hpp"

#include <algorithm>

#include "material/counts.hpp"
#include "platform/errors.hpp"
#include "sectoring/sector_counts.hpp"
#include "sectoring/sector_range.hpp"

namespace halvorin {

void resector_targets(RunState& rs) {
  const int n = rs.SECTORS;
  const int base = rs.TQUEST / n;
  const int rest = rs.TQUEST % n;
  for (int s = 1; s < n; ++s) rs.QPS[s] = base;
  // The share left over per sector, rest / n, against a threshold in thousandths; exact, so a
  // share of exactly 1/3 (0.3333...) passes 0.333 and 7/8 passes 0.875.
  auto reaches = [&](int thousandths) {
    return rest * 1000L >= static_cast<long>(thousandths) * n;
  };
  // Adds d to sectors 1, 1 + step, 1 + 2 step, ... up to `last`.
  auto every = [&](int step, int last, int d) {
    for (int s = 1; s <= last; s += step) rs.QPS[s] += d;
  };
  const int m = n - 1;
  if (reaches(875)) {
    every(1, m, 1);
    every(7, (m / 8) * 8, -1);
  } else if (reaches(750)) {
    every(1, m, 1);
    every(4, (m / 4) * 4, -1);
  } else if (reaches(500)) {
    every(2, (m / 2) * 2, 1);
  } else if (reaches(333)) {
    every(3, (m / 3) * 3, 1);
  } else if (reaches(250)) {
    every(4, (m / 4) * 3, 1);
  } else if (reaches(125)) {
    every(8, (m / 8) * 8, 1);
  }
  int given = 0;
  for (int s = 1; s < n; ++s) given += rs.QPS[s];
  rs.QPS[n] = rs.TQUEST - given;
}

namespace {

// Walks the counts verse by verse from the range's first verse on. Each verse's specialty counts
// go to the sector the walk is in when it reaches the verse, so every specialty question of the
// range belongs to exactly one sector, in file order.
class QuestionWalk {
 public:
  explicit QuestionWalk(RunState& rs) : rs_(rs), c_(rs.BCHAP), v_(rs.BVER) {}
  // True when the next verse lies beyond the range's end.
  bool done() const { return after(c_, v_, rs_.ECHAP, rs_.EVER); }
  // Takes the next verse, gives its specialty counts to sector s, returns its regular count.
  int read(int s) {
    if (done()) throw InternalError("question sectoring ran past the end of the range");
    ch = c_;
    vs = v_;
    SPECOUNT(rs_, rs_, ch, vs, s);
    if (++v_ > rs_.QCOUNT.cols()) {
      v_ = 1;
      ++c_;
    }
    return rs_.QCOUNT(ch, vs);
  }
  // Takes verses until one with regular questions; returns how many it has.
  int read_to_questions(int s) {
    int regular = 0;
    while ((regular = read(s)) == 0) {
    }
    return regular;
  }
  int ch = 0, vs = 0;  // chapter and verse taken last

 private:
  RunState& rs_;
  int c_, v_;  // chapter and verse of the next verse
};

}  // namespace

void cut_by_questions(RunState& rs) {
  const int n = rs.SECTORS;
  clear_sector_counts(rs);
  for (int s = 1; s <= n; ++s) {
    rs.BC[s] = rs.BCHAP;
    rs.BV[s] = rs.BVER;
    rs.EC[s] = rs.ECHAP;
    rs.EV[s] = rs.EVER;
  }
  // Fewer questions than sectors cannot be cut; the empty sectors make the pass start over.
  if (rs.TQUEST < n) return;
  resector_targets(rs);

  QuestionWalk walk(rs);
  int s = 1;
  int have = walk.read_to_questions(s);  // regular questions of the current verse
  rs.BC[s] = walk.ch;
  rs.BV[s] = walk.vs;
  int used = 0;  // of them already given out
  int qs = 0;    // questions in the current sector
  while (s < n) {
    int give = std::min(rs.QPS[s] - qs, have - used);
    used += give;
    qs += give;
    if (qs == rs.QPS[s]) {
      // The sector is full; the next one begins at the same verse and takes what is left of it.
      rs.EC[s] = walk.ch;
      rs.EV[s] = walk.vs;
      ++s;
      rs.BC[s] = walk.ch;
      rs.BV[s] = walk.vs;
      qs = 0;
    }
    if (used == have) {
      used = 0;
      have = walk.read_to_questions(s);
      if (qs == 0) {
        rs.BC[s] = walk.ch;
        rs.BV[s] = walk.vs;
      }
    }
  }
  // The last sector runs to the range's end and takes the specialty counts of its verses.
  rs.EC[n] = rs.ECHAP;
  rs.EV[n] = rs.EVER;
  while (!walk.done()) walk.read(n);
}

void question_sectoring_notice(Console& con) {
  con.writeln();
  con.gotoxy(1, 6);
  con.write("  The material will be sectored by individual questions.");
  con.set_where("question sectoring notice");
  con.wait_enter();
  con.gotoxy(1, 6);
  con.clreol();
  con.gotoxy(1, 5);
}

void RESECTOR(Program& p) {
  question_sectoring_notice(p.con);
  p.rs.MINQZ = cut_range(p.rs, SectorWay::Question).smallest;
}

}  // namespace halvorin
