#pragma once
// The two warnings that send the user back to the style list.
#include "state/program.hpp"

namespace halvorin {

// Where the console is while the warning of too few regular questions waits.
constexpr const char* kTooFewWarning = "too few regular questions warning";

// Too few regular questions in the range: shows TQUEST in both lines and waits for Enter.
void QUESTWARN(Program& p);
// A specialty with a maximum but no questions in the range; waits for Enter twice.
void SPECWARN(Program& p);

}  // namespace halvorin
