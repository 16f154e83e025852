#pragma once
// The material check: every question file of a style (or every material file in the working
// directory) against the formats and limits the program relies on.
#include <ostream>
#include <string>

#include "state/program.hpp"

namespace halvorin {

// The most problems listed for one file; the rest are counted in its summary.
constexpr int kProblemsShownPerFile = 200;

// Checks the material of the saved style `style`, or every material file present when `style`
// is empty: question lines, the verse table, the count file (stale or not matching), and for a
// style the sectors it would cut. Writes one line per problem as FILE:LINE: what (line 0 for the
// file as a whole), then a summary line per file. Returns the number of problems.
int check_material(Program& p, const std::string& style, std::ostream& out);

// The problems the material check finds in the lines of the five question files a pass has
// named in `rs` (its verse table read), by the same rules, without listing them.
int question_file_problems(const RunState& rs);

}  // namespace halvorin
