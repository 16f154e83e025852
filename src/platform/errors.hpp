#pragma once
// Errors that end the program; main() turns each into a message and an exit status.
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvorin {

// A byte that acts on a terminal instead of showing: the C0 controls and DEL.
inline bool is_control(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7f;
}

// Text taken from a file, as it may be shown on the terminal or in a message: every control
// character written as \xNN, so that no byte of a file acts on the terminal or cuts a message
// short. Text without control characters comes back unchanged.
inline std::string printable(std::string_view s) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (is_control(c)) {
      const auto u = static_cast<unsigned char>(c);
      out += "\\x";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out;
}

// A file could not be opened, read or written, or held something unusable. Exit status 2. The
// message shows the file's name and any text quoted from it as printable() does; without a file
// (the terminal cannot be used) it reads as the message alone.
class FileError : public std::runtime_error {
 public:
  FileError(std::string file, int line, std::string message)
      : std::runtime_error(
            (file.empty() ? "" : printable(file) + ":" + std::to_string(line) + ": ") +
            printable(message)),
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
