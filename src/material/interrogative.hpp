#pragma once
// The interrogative index: which regular questions of the range open with a question word.
#include <string>
#include <string_view>

#include "state/program.hpp"

namespace halvorin {

// True when a regular question line (text from column 7) opens with an interrogative and not
// with one of the listed exceptions. A lower-case "w" in column 7 counts as "W".
bool is_interrogative(std::string_view line);

// Reads the regular questions of the range sector by sector (after skipping BEFORE lines) and
// sets INT for each of them. Throws FileError when the file ends before the counts promise.
void COUNTINT(Program& p);

}  // namespace halvorin
