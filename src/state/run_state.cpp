#include "state/run_state.hpp"

#include <algorithm>

namespace halvorin {

void make_room_for_sectors(Sectors& sectors, Availability& avail) {
  PerKind<int> widest{};
  for (int s = 1; s <= SCMAX; ++s)
    for (Kind k : kAllKinds)
      widest[k] = std::max({widest[k], sectors.in_sector[k][s], sectors.sector_total[k][s]});
  int specialty = 0;
  for (Kind k : kSpecialtyKinds) specialty = std::max(specialty, widest[k]);
  avail.REGQUESTION.make_room(widest[Kind::Regular], true);
  avail.INT.make_room(widest[Kind::Regular], false);
  for (Kind k : kSpecialtyKinds) avail.available[k].make_room(specialty, true);
  avail.FTYPE.make_room(specialty);
}

}  // namespace halvorin
