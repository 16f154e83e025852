#pragma once
// Text files with the classic text-file semantics the stored formats rely on.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace halvorin {

// Reads a whole text file; LF and CR LF line ends; a last line without a line end is a line.
class TextReader {
 public:
  // Opens `name` in the working directory: the exact name, else a single case-insensitive match.
  // Throws FileError when it is missing, ambiguous or unreadable.
  explicit TextReader(const std::string& name);
  // Reads text already in memory (tests, fuzzing); `name` is used in messages.
  static TextReader from_text(std::string text, std::string name);

  // True when nothing is left to read.
  bool eof() const { return pos_ >= data_.size(); }
  // True at a line end or at the end of the file.
  bool eoln() const;
  // Reads up to `max` characters of the current line; the line end is not taken.
  std::string read_chars(size_t max);
  // Reads up to `max` characters of the current line and skips the rest of it and its line end.
  std::string read_line(size_t max);
  // Like read_line, without a copy: the view stays valid as long as the reader.
  std::string_view view_line(size_t max);
  // Reads one character (a line end reads as '\r' then '\n' as stored; at the end returns -1).
  int read_char();
  // Reads a decimal integer in free format: blanks and line ends before it are skipped.
  // Throws FileError naming the line when no number is there or it does not fit 16 bits.
  int read_int();
  // Skips the rest of the current line and its line end.
  void skip_line();
  // Skips n whole lines; throws FileError when the file ends first.
  void skip_lines(long n);
  // Goes back to the start of the file.
  void rewind();
  // The 1-based line number of the read position.
  int line() const { return line_; }
  const std::string& name() const { return name_; }
  // Byte offset of the read position (for indexes of line starts).
  size_t offset() const { return pos_; }
  // Moves the read position to a byte offset taken from offset(), with its line number.
  void seek(size_t offset, int line);

  [[noreturn]] void fail(const std::string& what) const;

 private:
  TextReader() = default;
  void take_line_end();
  // Offset of the end of the current line's text (its line end, or the end of the file).
  size_t line_end() const;
  std::string name_;
  std::string data_;
  size_t pos_ = 0;
  int line_ = 1;
};

// Writes a text file with CR LF line ends. Mode Create makes it anew (or empties it), Append adds
// to its end, Replace writes a temporary file in the same folder and renames it over the old one
// on close(), so a failure leaves the old file whole.
class TextWriter {
 public:
  enum class Mode { Create, Append, Replace };
  TextWriter(const std::string& name, Mode mode);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void write(const std::string& s);
  void write_int(long v, int width = 0);
  void writeln(const std::string& s = {});
  // Flushes and closes; for Replace, renames over the old file. Throws FileError on failure.
  void close();
  // Drops a Replace file without touching the old one (also done by the destructor if not closed).
  void abandon();
  const std::string& name() const { return name_; }
  bool is_open() const { return f_ != nullptr; }

 private:
  void check(bool ok, const char* what);
  std::string name_;
  std::string tmp_;
  Mode mode_;
  std::FILE* f_ = nullptr;
  int lines_ = 0;
};

// Whether a file's last line gets a line end.
enum class LastLine { Ended, Unended };

// Writes a whole file at once by atomic replacement.
void replace_file(const std::string& name, const std::vector<std::string>& lines,
                  LastLine last = LastLine::Ended);

// The name under which `name` exists in the working directory (exact, or the single
// case-insensitive match); empty when none. Throws FileError when several match.
std::string find_file(const std::string& name);
// Same as find_file in a given folder.
std::string find_file_in(const std::string& dir, const std::string& name);

// Throws FileError(source, line) unless `name` is a plain file name in the working directory.
void check_plain_name(const std::string& name, const std::string& source, int line);

// The count file search: the working directory, then each directory of PATH. Returns the path
// found (a plain name when in the working directory) or an empty string.
std::string search_path(const std::string& name);

// The running program's own file (empty when the system does not tell).
std::string program_file();

// Test seam: makes the n-th later file operation fail (0 = never). Counted: opens, writes, renames.
void inject_file_fault(long n);

}  // namespace halvorin
