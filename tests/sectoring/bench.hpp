#pragma once
// A program in a temporary working folder with question counts set by hand and keys from a key
// script, and the check that a division of the range keeps every question once.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "material/counts.hpp"
#include "sectoring/sector_counts.hpp"
#include "support/bench.hpp"

namespace halvorin::testing {

// A program in its own folder; every chapter has 30 verses and no questions until set.
struct Bench : ProgramBench {
  explicit Bench(const std::string& keys = "") : ProgramBench(keys), rs(p.rs) {
    rs.COUNTFILE = "count.50A", rs.INFFILE = "week.inf";
    rs.EVS.fill(30);
  }
  void at(int c, int v, int q, int f = 0, int r = 0, int o = 0, int s = 0) {
    rs.QCOUNT(c, v) = q, rs.FCOUNT(c, v) = f, rs.RCOUNT(c, v) = r, rs.OCOUNT(c, v) = o;
    rs.SCOUNT(c, v) = s;
  }
  // The folder's material set is `set`: its chapters and verses, the count tables sized to them.
  void use_set(const MaterialSet& set) {
    rs.set = set;
    rs.EVS.resize(set.total_chapters());
    for (int c = 1; c <= set.total_chapters(); ++c) rs.EVS[c] = set.verses_of(c);
    size_counts(rs, rs.EVS);
  }
  // Every verse of chapters first..last gets `q` regular questions.
  void verses(int first, int last, int q) {
    for (int c = first; c <= last; ++c)
      for (int v = 1; v <= rs.EVS[c]; ++v) rs.QCOUNT(c, v) = q;
  }
  // Sets the range and the sectors, writes the count file and adds up the range totals.
  RunState& range(int bc, int bv, int ec, int ev, int sectors) {
    rs.BCHAP = bc, rs.BVER = bv, rs.ECHAP = ec, rs.EVER = ev, rs.QMAX = rs.SECTORS = sectors;
    write_count_file(rs, rs.COUNTFILE);
    range_totals(rs, rs.style());
    return rs;
  }
  RunState& rs;
};

// The whole numbers in a text ("3:1 4:30" gives 3 1 4 30).
inline std::vector<int> ints(std::string s) {
  for (char& ch : s) ch = ch == ':' || ch == ',' ? ' ' : ch;
  std::istringstream in(s);
  return {std::istream_iterator<int>(in), std::istream_iterator<int>()};
}

// Begin, end (as c*100+v) and regular questions of each sector.
inline std::vector<int> bounds(const RunState& rs) {
  std::vector<int> b;
  for (int s = 1; s <= rs.SECTORS; ++s)
    b.insert(b.end(), {rs.BC[s] * 100 + rs.BV[s], rs.EC[s] * 100 + rs.EV[s], rs.QPS[s]});
  return b;
}

// The sectors hold the range's questions of every kind once, follow each other in order (cut
// by questions they may share a verse), and no regular question lies between two of them.
inline void expect_partition(const RunState& rs, bool shared) {
  int q = 0, specialties = 0, in_range = 0;
  for (int k = 1; k <= rs.SECTORS; ++k)
    q += rs.QPS[k], specialties += rs.FPS[k] + rs.RPS[k] * 10 + rs.OPS[k] * 100 + rs.SPS[k] * 1000;
  for (int c = rs.BCHAP, v = rs.BVER; !after(c, v, rs.ECHAP, rs.EVER);
       v = v % VMAX + 1, c += v == 1)
    q -= rs.QCOUNT(c, v), in_range += rs.FCOUNT(c, v) + rs.RCOUNT(c, v) * 10 +
                                      rs.OCOUNT(c, v) * 100 + rs.SCOUNT(c, v) * 1000;
  EXPECT_EQ(q, 0);
  EXPECT_EQ(specialties, in_range);
  for (int k = 2; k <= rs.SECTORS; ++k) {
    int c = rs.EC[k - 1], v = rs.EV[k - 1];
    EXPECT_TRUE(after(rs.BC[k], rs.BV[k] + shared, c, v)) << "sector " << k;
    for (v = v % VMAX + 1, c += v == 1; after(rs.BC[k], rs.BV[k], c, v);
         v = v % VMAX + 1, c += v == 1)
      EXPECT_EQ(rs.QCOUNT(c, v), 0) << c << ":" << v;
  }
}

}  // namespace halvorin::testing
