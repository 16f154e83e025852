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

// Characters before the reference of a question line: the book letter and a blank in a set of
// several books, none in a set of one book.
inline size_t book_columns(const MaterialSet& set) { return set.several_books() ? 2 : 0; }
// The line as a set of one book writes it: without the book letter and its blank.
std::string reference_line(const MaterialSet& set, const std::string& line);

// Running chapter r, verse v as messages show it: "3:15", or "R 3:15" in a set of several books.
std::string running_reference(const MaterialSet& set, int r, int v);

// Follows a question file line by line as the counting reader takes it.
class ReferenceWalk {
 public:
  explicit ReferenceWalk(const MaterialSet& set = standard_acts_set()) : set_(&set) {}
  // Takes the reference in columns 1 to 5 (chapter in 1-2, verse after column 3), after the book
  // letter and a blank in a set of several books: the letter must be a book of the set, the
  // chapter one of its book and the verse within the count file's verses, not before the
  // previous line's (books in the set's order), and the verse must hold no more than 255
  // questions of the kind. Counts the line into `table` at its running chapter and returns an
  // empty string, or returns what is wrong and counts nothing.
  std::string take(const std::string& line, CountTable& table);
  // The running chapter and the verse of the last line taken.
  int chapter() const { return last_ch_; }
  int verse() const { return last_v_; }
  // The last line's reference as messages show it: "3:15", or "R 3:15" in a set of several books.
  std::string where() const { return running_reference(*set_, last_ch_, last_v_); }

 private:
  const MaterialSet* set_;
  int last_ch_ = 0, last_v_ = 0;
};

// True when an FTV line's type is written "VR" (V in column 9, R in column 10): the type R.
bool ftv_type_vr(const std::string& line);
// The FTV type of a question line: the letter in column 9, or R for "VR".
char ftv_type(const std::string& line);

// What is wrong with a question line beyond its reference: the tab in column 6, the fields and
// labels its kind needs (a regular question's answer after a tab), the FTV type letter, the SIT
// quotation and answer, and a line longer than its kind's read length. `line` is the whole line as
// stored.
// `shift` is added to the columns the messages name: the book letter and blank before a line of a
// set of several books.
std::vector<std::string> field_problems(const std::string& line, Kind kind, size_t shift = 0);

}  // namespace halvorin
