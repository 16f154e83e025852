#pragma once
// Printing: the quiz file's lines go to the print command, one copy after another.
#include <string>
#include <vector>

namespace halvorin {

// The print command: HALVORIN_PRINTER, or "lp" (on Windows empty: the default printer).
std::string printer_command();
// Sends `copies` copies of `lines` (each cut at 79 characters) to the print command, one command
// run per copy. Returns an empty string on success, else what went wrong.
std::string print_copies(const std::vector<std::string>& lines, int copies);

}  // namespace halvorin
