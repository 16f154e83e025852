#pragma once
// The two lines of the combination menu: run automatically, or approve each quiz's combination.
#include "platform/console.hpp"

namespace halvorin {

// The menu's first line (row 3), blank padded to the second's length.
inline constexpr const char* kRunAutomatically = "Run specialty combinations automatically    ";
// The menu's second line (row 4).
inline constexpr const char* kApproveEach = "Approve specialty combinations for each quiz";

// Draws both menu lines at column 16, rows 3 and 4, then sets white on red for the selection.
void APPROVESPEC(Console& con);

}  // namespace halvorin
