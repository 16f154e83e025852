#pragma once
// The checks on single question lines, shared by the counting reader (which refuses the first
// bad line) and the material check (which reports every one).
#include <string>
#include <vector>

#include "state/kind.hpp"
#include "state/run_state.hpp"

namespace halvorin {

// Characters of a line the readers take: 254, or 508 for FTV and SIT (two pieces).
size_t read_length(Kind kind);

// Follows a question file line by line as the counting reader takes it.
class ReferenceWalk {
 public:
  // Takes the reference in columns 1 to 5 (chapter in 1-2, verse after column 3): it must be a
  // number pair within 1..28 and 1..65, not before the previous line's, and the verse must hold
  // no more than 255 questions of the kind. Counts the line into `table` and returns an empty
  // string, or returns what is wrong and counts nothing.
  std::string take(const std::string& line, CountTable& table);
  int chapter() const { return last_ch_; }
  int verse() const { return last_v_; }

 private:
  int last_ch_ = 0, last_v_ = 0;
};

// What is wrong with a question line beyond its reference: the tab in column 6, the fields and
// labels its kind needs (a regular question's answer after a tab), the FTV type letter, the SIT
// quotation and answer, and a line longer than its kind's read length. `line` is the whole line as
// stored.
std::vector<std::string> field_problems(const std::string& line, Kind kind);

}  // namespace halvorin
