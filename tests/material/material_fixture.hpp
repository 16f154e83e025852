#pragma once
// A program run in-process inside a temporary working folder, with keys from a key script.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "driver/program.hpp"
#include "platform/terminal.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {

// A question line as stored: chapter and verse right-aligned in two columns, a tab, the text.
inline std::string qline(int ch, int v, const std::string& text = "Who spoke?\tPeter") {
  char ref[8];
  std::snprintf(ref, sizeof ref, "%2d:%2d", ch, v);
  return ref + ("\t" + text);
}

// A Program working in a fresh temporary folder (the working directory while it lives).
struct InProcess {
  explicit InProcess(const std::string& keys = "")
      : term(parse_key_script(keys, "keys")), p(term, 1), old(std::filesystem::current_path()) {
    std::filesystem::current_path(dir.path());
  }
  ~InProcess() { std::filesystem::current_path(old); }
  // Writes the five question files of list A and names them and the count file.
  void material(const std::vector<std::vector<std::string>>& files) {
    const char* names[] = {"Acts.A", "FTV.59", "cv.b", "co.b", "SIT.TXT"};
    for (size_t k = 0; k < 5; ++k) dir.write_lines(names[k], files[k]);
    p.rs.FTVFILE = "FTV.59";
    p.rs.COUNTFILE = p.rs.NAME7 = "count.59A";
    p.cu.REGLST = 'A';
    p.cu.NAME4 = "week";
  }
  TempDir dir;
  ScriptTerminal term;
  Program p;
  std::filesystem::path old;
};

}  // namespace halvorin::testing
