#include "sectoring/sector_counts.hpp"

#include <algorithm>

namespace halvorin {

void clear_sector_counts(RunState& rs) {
  for (SectorTable* t : {&rs.QPS, &rs.FPS, &rs.RPS, &rs.OPS, &rs.SPS, &rs.TQPS, &rs.TFPS, &rs.TRPS,
                         &rs.TOPS, &rs.TSPS})
    t->fill(0);
}

void keep_sector_totals(RunState& rs, int s) {
  rs.TQPS[s] = rs.QPS[s];
  rs.TFPS[s] = rs.FPS[s];
  rs.TRPS[s] = rs.RPS[s];
  rs.TOPS[s] = rs.OPS[s];
  rs.TSPS[s] = rs.SPS[s];
}

int sector_byte(int x) { return std::clamp(x, 0, 255); }

}  // namespace halvorin
