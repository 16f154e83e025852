#pragma once
// Lines of the used-question list (the .inf file) and of the combination listing on the screen.
#include <string>

#include "state/run_state.hpp"

namespace halvorin {

// Column heading of the listing, shared by the screen and the used-question list.
inline constexpr const char* kListHeading = "  Que Sec Num    Verse  Type  Question";

// The used-question list's heading line of quiz q (the empty line after it is not included).
std::string inf_heading(int q);
// The line of position pos: position, sector, question number, reference and a cut of the
// question's text in the layout of its pattern letter. `number` is the question's number within
// its sector's list.
std::string question_line(const RunState& rs, int pos, int number);

}  // namespace halvorin
