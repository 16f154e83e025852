#include "selection/question_file.hpp"

#include "platform/errors.hpp"

namespace halvorin {

void QuestionFile::load() {
  if (in_) return;
  in_.emplace(name_);
  while (!in_->eof()) {
    starts_.push_back(in_->offset());
    in_->skip_line();
  }
}

int QuestionFile::count() {
  load();
  return static_cast<int>(starts_.size());
}

void QuestionFile::require(int n, const std::string& what) {
  if (count() < n)
    throw FileError(name_, count() + 1,
                    "the file ends after " + std::to_string(count()) + " lines, but " + what +
                        " needs " + std::to_string(n));
}

void QuestionFile::seek(int k) {
  load();
  if (k < 1 || k > count())
    throw FileError(name_, k,
                    "the file ends after " + std::to_string(count()) +
                        " lines, before the question the material counts promise here");
  in_->seek(starts_[static_cast<size_t>(k - 1)], k);
  if (lettered_) letter_ = in_->read_chars(2)[0];
}

std::string QuestionFile::line(int k, size_t max) {
  seek(k);
  return in_->read_chars(max);
}

std::pair<std::string, std::string> QuestionFile::line2(int k, size_t max) {
  seek(k);
  std::string first = in_->read_chars(max);
  std::string second = in_->read_chars(max);
  return {first, second};
}

}  // namespace halvorin
