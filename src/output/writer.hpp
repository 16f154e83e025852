#pragma once
// The quiz packet writer: one quiz at a time appended to the open quiz file in the style's layout
// (cards, pages or tab-separated lines).
#include "state/program.hpp"

namespace halvorin {

// Appends the quiz just made (ALL, ALL2, RLBK, SECTORS) to the quiz file F8 in the layout OUT.
void OPUT(Program& p);
// Writes the range of the packet, without a line end.
void WRITEMAT(const RunState& rs, TextWriter& f);

}  // namespace halvorin
