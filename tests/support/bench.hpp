#pragma once
// In-process test bench: a Program reading keys from a key script, working in a fresh temporary
// folder that is the working directory while the bench lives; and small text helpers.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/screen.hpp"
#include "platform/terminal.hpp"
#include "state/program.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {

// Changes into a folder for the life of the object.
class InFolder {
 public:
  explicit InFolder(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InFolder() { std::filesystem::current_path(old_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path old_;
};

// A Program on a key script inside its own temporary working folder.
struct ProgramBench {
  explicit ProgramBench(const std::string& keys = "", uint64_t seed = 1)
      : here(dir.path()), term(parse_key_script(keys, "keys")), p(term, seed) {}
  TempDir dir;
  InFolder here;
  ScriptTerminal term;
  Program p;
};

// A question line as stored: chapter and verse right-aligned in two columns, a tab, the text.
inline std::string qline(int ch, int v, const std::string& text = "Who spoke?\tPeter") {
  char ref[16];
  std::snprintf(ref, sizeof ref, "%2d:%2d", ch, v);
  return ref + ("\t" + text);
}

// Text right-padded with blanks to width.
inline std::string pad(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}
inline std::string blanks(size_t n) { return std::string(n, ' '); }

// Lines joined with the program's CR LF line ends.
inline std::string crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

// Compares a screen, its characters then its colours, with an expected text under tests/.
inline void expect_screen(const std::string& path, const Screen& screen) {
  expect_golden(path, screen.text() + screen.colors());
}

}  // namespace halvorin::testing
