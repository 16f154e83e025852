#include "sectoring/sector_counts.hpp"

#include <algorithm>

namespace halvorin {

void clear_sector_counts(Sectors& sectors) {
  for (Kind k : kAllKinds) {
    sectors.in_sector[k].fill(0);
    sectors.sector_total[k].fill(0);
  }
}

void keep_sector_totals(Sectors& sectors, int s) {
  for (Kind k : kAllKinds) sectors.sector_total[k][s] = sectors.in_sector[k][s];
}

int sector_byte(int x) { return std::clamp(x, 0, 255); }

}  // namespace halvorin
