#pragma once
// The driver's fixed screens: heading, warnings, combination menu lines, closing screen.
#include "state/program.hpp"

namespace halvorin {

// Draws the heading on rows 1 and 25; leaves yellow on blue.
void WRITEHDG(Console& con, const std::string& title);

}  // namespace halvorin
