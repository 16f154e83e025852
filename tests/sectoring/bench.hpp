#pragma once
// A program in a temporary working folder whose question counts are set by hand, with keys
// from a key script, and the checks that a division of the range keeps every question.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/program.hpp"
#include "material/counts.hpp"
#include "platform/terminal.hpp"
#include "sectoring/sector_counts.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {

// Changes into a folder for the life of the object.
class InDir {
 public:
  explicit InDir(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InDir() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

struct Bench {
  explicit Bench(const std::string& keys = "")
      : term(parse_key_script(keys, "keys")), p(term, 1), rs(p.rs), here(dir.path()) {
    rs.COUNTFILE = "count.50A";
    rs.INFFILE = "week.inf";
    rs.EVS.fill(30);
    rs.QNUM = 1;
  }
  // Verses 1..EVS[c] of chapters first..last get `regular` regular questions each.
  void verses(int first, int last, int regular) {
    for (int c = first; c <= last; ++c)
      for (int v = 1; v <= rs.EVS[c]; ++v) rs.QCOUNT(c, v) = regular;
  }
  void at(int c, int v, int q, int f = 0, int r = 0, int o = 0, int s = 0) {
    rs.QCOUNT(c, v) = q, rs.FCOUNT(c, v) = f, rs.RCOUNT(c, v) = r, rs.OCOUNT(c, v) = o,
                 rs.SCOUNT(c, v) = s;
  }
  // Sets the range and the sectors, writes the count file and adds up the range totals.
  RunState& range(int bc, int bv, int ec, int ev, int sectors) {
    rs.BCHAP = bc, rs.BVER = bv, rs.ECHAP = ec, rs.EVER = ev;
    rs.QMAX = rs.SECTORS = sectors;
    write_count_file(rs, rs.COUNTFILE);
    range_totals(rs);
    return rs;
  }
  TempDir dir;
  ScriptTerminal term;
  Program p;
  RunState& rs;
  InDir here;
};

// Adds a count table up from chapter c1, verse v1 to chapter c2, verse v2, both included.
inline int sum(const CountTable& t, int c1, int v1, int c2, int v2) {
  int n = 0;
  for (int c = c1, v = v1; c <= CHMAX && !after(c, v, c2, v2); v = v % VMAX + 1, c += v == 1)
    n += t(c, v);
  return n;
}

// Every regular and specialty question of the range lies in exactly one sector, the sectors
// follow each other in order, the first starts at the range's start and the last ends at its
// end. With whole verses each sector's regular count is that of its own verses, and the verses
// up to the next sector's begin hold no regular question; their specialties are the sector's.
inline void expect_partition(const RunState& rs, bool whole_verses) {
  int q = 0, f = 0, r = 0, o = 0, s = 0;
  const int n = rs.SECTORS;
  for (int k = 1; k <= n; ++k)
    q += rs.QPS[k], f += rs.FPS[k], r += rs.RPS[k], o += rs.OPS[k], s += rs.SPS[k];
  int b = rs.BCHAP, e = rs.ECHAP;
  EXPECT_EQ(q, sum(rs.QCOUNT, b, rs.BVER, e, rs.EVER));
  EXPECT_EQ(f, sum(rs.FCOUNT, b, rs.BVER, e, rs.EVER));
  EXPECT_EQ(r + o + s, sum(rs.RCOUNT, b, rs.BVER, e, rs.EVER) +
                           sum(rs.OCOUNT, b, rs.BVER, e, rs.EVER) +
                           sum(rs.SCOUNT, b, rs.BVER, e, rs.EVER));
  EXPECT_FALSE(after(rs.BCHAP, rs.BVER, rs.BC[1], rs.BV[1]));
  EXPECT_EQ(rs.EC[n] * 100 + rs.EV[n], rs.ECHAP * 100 + rs.EVER);
  for (int k = 1; k <= n; ++k) {
    SCOPED_TRACE("sector " + std::to_string(k));
    EXPECT_FALSE(after(rs.BC[k], rs.BV[k], rs.EC[k], rs.EV[k]));
    if (k == n) continue;
    // The next sector begins after this one ends (or, cut by questions, at its end verse).
    int nc = rs.EC[k], nv = rs.EV[k] % VMAX + 1;
    if (nv == 1) ++nc;
    if (whole_verses) {
      EXPECT_FALSE(after(nc, nv, rs.BC[k + 1], rs.BV[k + 1]));
      EXPECT_EQ(rs.QPS[k], sum(rs.QCOUNT, rs.BC[k], rs.BV[k], rs.EC[k], rs.EV[k]));
    } else {
      EXPECT_FALSE(after(rs.EC[k], rs.EV[k], rs.BC[k + 1], rs.BV[k + 1]));
    }
    int gap = 0;
    for (int c = nc, v = nv; after(rs.BC[k + 1], rs.BV[k + 1], c, v); v = v % VMAX + 1, c += v == 1)
      gap += rs.QCOUNT(c, v);
    EXPECT_EQ(gap, 0);
  }
}

}  // namespace halvorin::testing
