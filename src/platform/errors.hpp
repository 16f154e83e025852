#pragma once
// Errors that end the program; main() turns each into a message and an exit status.
#include <stdexcept>
#include <string>

namespace halvorin {

// A file could not be opened, read or written, or held something unusable. Exit status 2.
// Without a file (the terminal cannot be used) it reads as the message alone.
class FileError : public std::runtime_error {
 public:
  FileError(std::string file, int line, std::string message)
      : std::runtime_error(file.empty() ? message
                                        : file + ":" + std::to_string(line) + ": " + message),
        file_(std::move(file)),
        line_(line),
        message_(std::move(message)) {}
  const std::string& file() const { return file_; }
  int line() const { return line_; }
  const std::string& message() const { return message_; }

 private:
  std::string file_;
  int line_;
  std::string message_;
};

// A table index or another invariant of the program was broken. Exit status 70.
class InternalError : public std::runtime_error {
 public:
  explicit InternalError(const std::string& what) : std::runtime_error(what) {}
};

// The key script ran out while the program waited for a key. Exit status 3.
class ScriptEnded : public std::runtime_error {
 public:
  explicit ScriptEnded(const std::string& what) : std::runtime_error(what) {}
};

// A signal asked the program to stop; the terminal is restored and the signal re-raised.
class Interrupted : public std::runtime_error {
 public:
  explicit Interrupted(int sig) : std::runtime_error("interrupted"), signal_(sig) {}
  int signal_number() const { return signal_; }

 private:
  int signal_;
};

}  // namespace halvorin
