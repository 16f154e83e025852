#include "platform/text_file.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "platform/errors.hpp"

namespace halvorin {

namespace {

// The fault seam's countdown: the operation that brings it to 0 fails.
long fault_countdown = 0;

bool fault_now() {
  if (fault_countdown <= 0) return false;
  return --fault_countdown == 0;
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool is_regular_file(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

#ifdef _WIN32
constexpr char kPathSeparator = ';';
int process_id() { return ::_getpid(); }
// Writes the file's buffers through to the disk.
bool sync_file(std::FILE* f) { return ::_commit(::_fileno(f)) == 0; }
// Replaces `to` by `from` in one step, written through before it returns.
bool replace_by(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
}
#else
constexpr char kPathSeparator = ':';
int process_id() { return ::getpid(); }
bool sync_file(std::FILE* f) { return ::fsync(::fileno(f)) == 0; }
bool replace_by(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}
#endif

// True for the names Windows keeps for devices (CON, PRN, AUX, NUL, COM1-9, LPT1-9), with any
// extension and in any letter case: such a name opens the device, not a file.
bool is_device_name(const std::string& name) {
  std::string base = lower(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  static const std::array<const char*, 4> plain = {"con", "prn", "aux", "nul"};
  for (const char* d : plain)
    if (base == d) return true;
  return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
         base[3] >= '1' && base[3] <= '9';
}

}  // namespace

void inject_file_fault(long n) { fault_countdown = n; }

std::string find_file_in(const std::string& dir, const std::string& name) {
  std::string prefix = (dir.empty() || dir == ".") ? "" : dir + "/";
  if (is_regular_file(prefix + name)) return prefix + name;
  std::error_code ec;
  std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec), end;
  if (ec) return {};
  std::vector<std::string> matches;
  std::string want = lower(name);
  for (; it != end; it.increment(ec)) {
    std::string n = it->path().filename().string();
    if (lower(n) == want && is_regular_file(prefix + n)) matches.push_back(n);
  }
  if (matches.empty()) return {};
  if (matches.size() > 1) {
    std::sort(matches.begin(), matches.end());
    std::string all;
    for (auto& m : matches) all += (all.empty() ? "" : ", ") + m;
    throw FileError(name, 0, "several files match this name in other letter case: " + all);
  }
  return prefix + matches[0];
}

std::string find_file(const std::string& name) { return find_file_in(".", name); }

void check_plain_name(const std::string& name, const std::string& source, int line) {
  // Style files travel between machines, so the rule is the same everywhere: no folders, no
  // drive letters, no device names.
  if (name.empty() || name.find_first_of(std::string("/\\:\0", 4)) != std::string::npos ||
      name.find("..") != std::string::npos)
    throw FileError(source, line,
                    "'" + name + "' is not a plain file name in the working directory");
  if (is_device_name(name))
    throw FileError(source, line, "'" + name + "' is the name of a device, not of a file");
}

std::string search_path(const std::string& name) {
  std::string here = find_file(name);
  if (!here.empty()) return here;
  const char* path = std::getenv("PATH");
  if (!path) return {};
  std::stringstream ss(path);
  std::string dir;
  while (std::getline(ss, dir, kPathSeparator)) {
    if (dir.empty()) continue;
    std::string found = find_file_in(dir, name);
    if (!found.empty()) return found;
  }
  return {};
}

std::string program_file() {
#ifdef _WIN32
  wchar_t buf[4096];
  DWORD n = GetModuleFileNameW(nullptr, buf, 4096);
  if (n == 0 || n >= 4096) return {};
  return std::filesystem::path(std::wstring(buf, n)).string();
#else
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
#endif
}

// ---- TextReader ----

TextReader::TextReader(const std::string& name) : name_(name) {
  std::string path = find_file(name);
  if (path.empty()) throw FileError(name, 0, "file not found in the working directory");
  if (fault_now()) throw FileError(name, 0, "cannot open: injected fault");
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) throw FileError(name, 0, std::string("cannot open: ") + std::strerror(errno));
  // Read straight into the buffer, sized from the file's length when it can be told; whatever
  // follows (a file that grew meanwhile, or one whose length is not known) is appended.
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > 0) {
    data_.resize(static_cast<size_t>(size));
    data_.resize(std::fread(data_.data(), 1, data_.size(), in));
  }
  char buf[1 << 14];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) data_.append(buf, n);
  bool bad = std::ferror(in) != 0;
  std::fclose(in);
  if (bad) throw FileError(name, 0, "read error");
}

TextReader TextReader::from_text(std::string text, std::string name) {
  TextReader r;
  r.name_ = std::move(name);
  r.data_ = std::move(text);
  return r;
}

void TextReader::fail(const std::string& what) const { throw FileError(name_, line_, what); }

bool TextReader::eoln() const {
  return eof() || data_[pos_] == '\n' ||
         (data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n');
}

void TextReader::take_line_end() {
  if (eof()) return;
  if (data_[pos_] == '\r') ++pos_;
  if (!eof() && data_[pos_] == '\n') ++pos_;
  ++line_;
}

size_t TextReader::line_end() const {
  const void* nl = std::memchr(data_.data() + pos_, '\n', data_.size() - pos_);
  if (!nl) return data_.size();
  size_t end = static_cast<size_t>(static_cast<const char*>(nl) - data_.data());
  return end > pos_ && data_[end - 1] == '\r' ? end - 1 : end;
}

std::string TextReader::read_chars(size_t max) {
  if (eof()) return {};
  size_t start = pos_;
  pos_ += std::min(max, line_end() - start);
  return data_.substr(start, pos_ - start);
}

std::string_view TextReader::view_line(size_t max) {
  if (eof()) return {};
  size_t start = pos_;
  size_t end = line_end();
  pos_ = end;
  take_line_end();
  return std::string_view(data_).substr(start, std::min(max, end - start));
}

std::string TextReader::read_line(size_t max) {
  std::string s = read_chars(max);
  skip_line();
  return s;
}

int TextReader::read_char() {
  if (eof()) return -1;
  char c = data_[pos_++];
  if (c == '\n') ++line_;
  return static_cast<unsigned char>(c);
}

int TextReader::read_int() {
  while (!eof() && std::isspace(static_cast<unsigned char>(data_[pos_]))) {
    if (data_[pos_] == '\n') ++line_;
    ++pos_;
  }
  if (eof()) fail("expected a number, found the end of the file");
  // What stands where the number was expected, up to the line end; cut only when long.
  const size_t start = pos_;
  auto found = [&] {
    pos_ = start;
    const size_t n = line_end() - start;
    fail("expected a number, found '" + data_.substr(start, std::min<size_t>(n, 12)) +
         (n > 12 ? "...'" : "'"));
  };
  bool neg = false;
  if (data_[pos_] == '+' || data_[pos_] == '-') {
    neg = data_[pos_] == '-';
    ++pos_;
  }
  long v = 0;
  size_t digits = 0;
  while (!eof() && std::isdigit(static_cast<unsigned char>(data_[pos_]))) {
    v = v * 10 + (data_[pos_] - '0');
    if (v > 32768) fail("number too large (more than 16 bits)");
    ++pos_;
    ++digits;
  }
  if (digits == 0) found();
  if (neg) v = -v;
  if (v > 32767) fail("number too large (more than 16 bits)");
  if (!eof() && !std::isspace(static_cast<unsigned char>(data_[pos_]))) found();
  return static_cast<int>(v);
}

void TextReader::skip_line() {
  if (!eof()) pos_ = line_end();
  take_line_end();
}

void TextReader::skip_lines(long n) {
  for (long i = 0; i < n; ++i) {
    if (eof()) fail("the file ends before the line the material counts promise");
    skip_line();
  }
}

void TextReader::rewind() {
  pos_ = 0;
  line_ = 1;
}

void TextReader::seek(size_t offset, int line) {
  pos_ = std::min(offset, data_.size());
  line_ = line;
}

// ---- TextWriter ----

TextWriter::TextWriter(const std::string& name, Mode mode) : name_(name), mode_(mode) {
  if (fault_now()) throw FileError(name, 0, "cannot create: injected fault");
  if (mode == Mode::Replace) {
    tmp_ = name + ".tmp" + std::to_string(process_id());
    f_ = std::fopen(tmp_.c_str(), "wb");
  } else {
    f_ = std::fopen(name.c_str(), mode == Mode::Append ? "ab" : "wb");
  }
  if (!f_) throw FileError(name, 0, std::string("cannot create: ") + std::strerror(errno));
}

TextWriter::~TextWriter() {
  if (f_) {
    if (mode_ == Mode::Replace) {
      abandon();
    } else {
      std::fclose(f_);
      f_ = nullptr;
    }
  }
}

void TextWriter::check(bool ok, const char* what) {
  if (ok && fault_now()) ok = false, errno = ENOSPC;
  if (!ok) {
    std::string msg = std::string(what) + ": " + std::strerror(errno);
    abandon();
    throw FileError(name_, lines_ + 1, msg);
  }
}

void TextWriter::write(const std::string& s) {
  if (!f_) throw FileError(name_, lines_ + 1, "write to a closed file");
  check(std::fwrite(s.data(), 1, s.size(), f_) == s.size(), "write failed");
}

void TextWriter::write_int(long v, int width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
  write(s);
}

void TextWriter::writeln(const std::string& s) {
  if (!f_) throw FileError(name_, lines_ + 1, "write to a closed file");
  // One checked operation per line, as write() counts it, without building a copy of the line.
  bool ok = std::fwrite(s.data(), 1, s.size(), f_) == s.size();
  ok = ok && std::fwrite("\r\n", 1, 2, f_) == 2;
  check(ok, "write failed");
  ++lines_;
}

void TextWriter::close() {
  if (!f_) return;
  bool ok = std::fflush(f_) == 0;
  if (ok && mode_ == Mode::Replace) ok = sync_file(f_);
  check(ok, "write failed");
  std::FILE* f = f_;
  f_ = nullptr;
  if (std::fclose(f) != 0) {
    if (mode_ == Mode::Replace) std::remove(tmp_.c_str());
    throw FileError(name_, lines_, std::string("close failed: ") + std::strerror(errno));
  }
  if (mode_ == Mode::Replace) {
    bool renamed = false;
    if (fault_now())
      errno = EIO;  // an injected failure reads like a real one
    else
      renamed = replace_by(tmp_, name_);
    if (!renamed) {
      std::string msg = std::string("cannot replace the file: ") + std::strerror(errno);
      std::remove(tmp_.c_str());
      throw FileError(name_, 0, msg);
    }
  }
}

void TextWriter::abandon() {
  if (f_) {
    std::fclose(f_);
    f_ = nullptr;
  }
  if (mode_ == Mode::Replace && !tmp_.empty()) std::remove(tmp_.c_str());
}

void replace_file(const std::string& name, const std::vector<std::string>& lines, LastLine last) {
  TextWriter w(name, TextWriter::Mode::Replace);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i + 1 == lines.size() && last == LastLine::Unended)
      w.write(lines[i]);
    else
      w.writeln(lines[i]);
  }
  w.close();
}

}  // namespace halvorin
