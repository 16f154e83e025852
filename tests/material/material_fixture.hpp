#pragma once
// A program run in-process inside a temporary working folder, with keys from a key script.
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/program.hpp"
#include "platform/terminal.hpp"
#include "support/harness.hpp"

namespace halvorin::testing {

// Changes into a folder for the life of the object.
class InDir {
 public:
  explicit InDir(const std::string& dir) {
    char buf[4096];
    old_ = ::getcwd(buf, sizeof buf) ? buf : ".";
    if (::chdir(dir.c_str()) != 0) throw std::runtime_error("chdir failed: " + dir);
  }
  ~InDir() { (void)::chdir(old_.c_str()); }

 private:
  std::string old_;
};

// A question line as the material stores it: chapter right-aligned in two columns, a colon, the
// verse, a tab and the text.
inline std::string qline(int ch, int v, const std::string& text = "Who spoke?\tPeter") {
  std::string c = std::to_string(ch), vs = std::to_string(v);
  return std::string(2 - std::min<size_t>(2, c.size()), ' ') + c + ":" +
         std::string(2 - std::min<size_t>(2, vs.size()), ' ') + vs + "\t" + text;
}

// A Program working in a fresh temporary folder with a given key script.
struct InProcess {
  explicit InProcess(const std::string& keys = "")
      : term(parse_key_script(keys, "test keys")), p(term, 1), here(dir.path()) {}
  // Writes the five question files of list A at level ' ' (file name, lines).
  void material(const std::vector<std::string>& reg, const std::vector<std::string>& ftv,
                const std::vector<std::string>& cv, const std::vector<std::string>& co,
                const std::vector<std::string>& sit) {
    dir.write_lines("Acts.A", reg);
    dir.write_lines("FTV.59", ftv);
    dir.write_lines("cv.b", cv);
    dir.write_lines("co.b", co);
    dir.write_lines("SIT.TXT", sit);
    p.rs.FTVFILE = "FTV.59";
    p.rs.COUNTFILE = p.rs.NAME6 = p.rs.NAME7 = "count.59A";
    p.cu.REGLST = 'A';
    p.cu.NAME4 = "week";
  }
  TempDir dir;
  ScriptTerminal term;
  Program p;
  InDir here;
};

}  // namespace halvorin::testing
