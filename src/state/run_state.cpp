#include "state/run_state.hpp"

#include <algorithm>

namespace halvorin {

void make_room_for_sectors(RunState& rs) {
  int regular = 0, specialty = 0;
  for (int s = 1; s <= SCMAX; ++s) {
    regular = std::max({regular, rs.QPS[s], rs.TQPS[s]});
    specialty = std::max({specialty, rs.FPS[s], rs.TFPS[s], rs.RPS[s], rs.TRPS[s], rs.OPS[s],
                          rs.TOPS[s], rs.SPS[s], rs.TSPS[s]});
  }
  rs.REGQUESTION.make_room(regular, true);
  rs.INT.make_room(regular, false);
  for (SpecAvail* t : {&rs.FINISH, &rs.REFERENCE, &rs.ONLY, &rs.SITUATION})
    t->make_room(specialty, true);
  rs.FTYPE.make_room(specialty);
}

}  // namespace halvorin
