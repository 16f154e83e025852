#pragma once
// Sectoring by verse: every verse stays whole, and each sector aims at a number of regular
// questions that is lowered until the sectors fit in the range.
#include "state/run_state.hpp"

namespace halvorin {

// Cuts the range into SECTORS sectors of whole verses from the count tables. Returns the base
// target that fitted (the last sectors aim at it, the first ones at one more), or -1 when not
// even a target of 0 fits, in which case the sector tables hold the last attempt.
int sector_by_verse(RunState& rs);

}  // namespace halvorin
