#pragma once
// The sector table: where each sector begins and ends and what it holds, two sectors to a line.
#include <string>

#include "state/program.hpp"

namespace halvorin {

// One sector's block of the table: number in `number_width`, begin and end, the five counts.
std::string sector_block(const RunState& rs, int s, int number_width);

// Shows the sector table from the cursor's row down, after making the last sector end at the
// range's end; refreshes the specialty totals from the sectors' counts. Neither clears nor waits.
void DISPLAY(Program& p);

}  // namespace halvorin
