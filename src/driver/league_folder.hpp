#pragma once
// A league folder: the styles, the style list, the verse table (or the declaration of its
// material set) and the question material a run works on. Making a new one from the demo, and
// the start-up check of an existing one.
#include <ostream>
#include <string>
#include <vector>

namespace halvorin {

struct Season;

// Copies every file of the demo folder `demo` into `dir` (made if missing) and prints the next
// steps to `out`. Refuses, copying nothing, when any of those names is already taken in `dir`:
// throws FileError naming them. A copy that fails removes what was copied before it.
// A season other than Acts (nullptr is Acts) gets its declaration, Set.txt, in place of the
// demo's verse table, and the demo styles with their ranges laid on the season's books.
void init_league_folder(const std::string& demo, const std::string& dir, std::ostream& out,
                        const Season* season = nullptr);

// The first of `candidates` that holds the demo's style list, or "" when none does.
std::string find_demo_folder(const std::vector<std::string>& candidates);

enum class StartCheck { Interactive, Batch };

// Before the first screen: the files every run reads are there and load (the style list, the
// material set's declaration or else the verse table, and, for the screens, the template of a
// new style). Throws FileError for the first that does not.
void check_league_folder(StartCheck what);

// The hint that follows a missing style list: how to start in a league folder or make one.
std::string not_a_league_folder_hint(const std::string& where);

}  // namespace halvorin
