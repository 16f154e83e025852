#pragma once
// The rules the material check holds the material to, file by file: every line of a question
// file read as the counting reader and the later readers take it, and a count file against the
// question files it counts. Each problem goes to a sink as file, line (0 for the file as a
// whole) and what is wrong; listing and summing them up is the caller's.
#include <array>
#include <functional>
#include <map>
#include <string>

#include "material/line_check.hpp"
#include "state/run_state.hpp"

namespace halvorin {

using ProblemSink = std::function<void(const std::string& file, int line, const std::string& what)>;
// A further rule for single question lines: what is wrong with the line, or an empty string.
using LineRule = std::function<std::string(const std::string& line, Kind kind)>;

// All the counts of a table added up.
int count_total(const CountTable& t);

// What one question file holds.
struct QuestionFileSummary {
  QuestionFileSummary(std::string n, Kind k) : name(std::move(n)), kind(k) {}
  std::string name;  // as given; once found, as it is written in the folder
  Kind kind = Kind::Regular;
  bool found = false;
  bool counted = false;  // every reference could be counted
  int lines = 0;
  CountTable counts{"counts"};
  std::map<std::string, int> types;  // FTV types as written: a letter, or VR
};

// Reads every line of the question file f.name (found in any letter case) and reports what the
// program could not use: a missing file, a blank line among the questions, a reference that
// cannot be counted, a verse past the verse table EVS (when `verses_known`), the fields its kind
// needs, what `extra` finds, and a file without questions. Fills in `f`.
void check_question_file(QuestionFileSummary& f, const RunState& rs, bool verses_known,
                         const LineRule& extra, const ProblemSink& problem);

// What a count file turned out to be.
struct CountFileState {
  bool present = false;   // found in the working directory
  bool readable = false;  // loaded as the set's records in order (1820 for Acts)
  int differ = 0;         // counts that differ from the question files
};

// The count file `name` (of the tables of `set`) against the question files it counts (`sources`, in kind order; null or
// not found where the folder lacks one): found in one letter case, not older than any of them,
// readable, the same counts as every one that could be counted. `rebuild` ends the messages
// that advise rebuilding it.
CountFileState check_count_file(const std::string& name, const MaterialSet& set,
                                const std::array<const QuestionFileSummary*, 5>& sources,
                                const std::string& rebuild, const ProblemSink& problem);

}  // namespace halvorin
