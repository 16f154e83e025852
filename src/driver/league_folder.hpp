#pragma once
// A league folder: the styles, the style list, the verse table and the question material a run
// works on. Making a new one from the demo, and the start-up check of an existing one.
#include <ostream>
#include <string>
#include <vector>

namespace halvorin {

// Copies every file of the demo folder `demo` into `dir` (made if missing) and prints the next
// steps to `out`. Refuses, copying nothing, when any of those names is already taken in `dir`:
// throws FileError naming them. A copy that fails removes what was copied before it.
void init_league_folder(const std::string& demo, const std::string& dir, std::ostream& out);

// The first of `candidates` that holds the demo's style list, or "" when none does.
std::string find_demo_folder(const std::vector<std::string>& candidates);

enum class StartCheck { Interactive, Batch };

// Before the first screen: the files every run reads are there and load (the verse table, the
// style list and, for the screens, the template of a new style). Throws FileError for the first
// that does not.
void check_league_folder(StartCheck what);

// The hint that follows a missing style list: how to start in a league folder or make one.
std::string not_a_league_folder_hint(const std::string& where);

}  // namespace halvorin
