#pragma once
// A question file held open for the quiz loop, with the offsets of its line starts, so a chosen
// question is read straight from its line instead of skipping from the top for every choice.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_file.hpp"

namespace halvorin {

class QuestionFile {
 public:
  // Names the file; it is read on first use.
  // In a set of several books every line starts with its book's letter and a blank (`lettered`):
  // line and line2 then read what follows them, and letter() gives the letter.
  explicit QuestionFile(std::string name, bool lettered = false)
      : name_(std::move(name)), lettered_(lettered) {}
  const std::string& name() const { return name_; }
  // Lines in the file.
  int count();
  // Up to `max` characters of line k (from 1); the rest of the line is left out.
  // Throws FileError naming the file and line k when the file ends before it.
  std::string line(int k, size_t max);
  // Line k in two pieces of up to `max` characters each (the second empty for a short line).
  std::pair<std::string, std::string> line2(int k, size_t max);
  // The book letter of the line read last; 0 in a file of one book.
  char letter() const { return letter_; }
  // Throws FileError unless the file holds at least n lines; `what` says what needs them.
  void require(int n, const std::string& what);

 private:
  void load();
  void seek(int k);
  std::string name_;
  bool lettered_ = false;
  char letter_ = 0;
  std::optional<TextReader> in_;
  std::vector<size_t> starts_;
};

}  // namespace halvorin
