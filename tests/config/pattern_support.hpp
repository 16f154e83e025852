#pragma once
// Shared set-up for the pattern tests: a program on a key script with a style's specialty limits.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "driver/program.hpp"
#include "platform/terminal.hpp"

namespace halvorin::testing {

// The specialty limits of a style, in the order the form shows them.
struct Limits {
  int spearly, splate;
  int spmin, spmax;
  int fmin, fmax, rmin, rmax, omin, omax, smin, smax;
};

// A program whose keys come from a key script, with one style's values in its configuration unit.
struct PatternBench {
  explicit PatternBench(const std::string& keys = "", uint64_t seed = 11)
      : term(parse_key_script(keys, "test keys")), p(term, seed) {
    set(Limits{2, 18, 2, 4, 1, 2, 0, 1, 0, 1, 0, 1});  // the demo's weekly style
    p.cu.QMAX = 20;
    p.cu.QNUM = 1;
    p.cu.SETSPC = 'N';
  }
  void set(const Limits& l) {
    ConfigUnit& cu = p.cu;
    cu.SPEARLY = l.spearly;
    cu.SPLATE = l.splate;
    cu.SPMIN = l.spmin;
    cu.SPMAX = l.spmax;
    cu.FMIN = l.fmin;
    cu.FMAX = l.fmax;
    cu.RMIN = l.rmin;
    cu.RMAX = l.rmax;
    cu.OMIN = l.omin;
    cu.OMAX = l.omax;
    cu.SMIN = l.smin;
    cu.SMAX = l.smax;
  }
  ScriptTerminal term;
  Program p;
};

// Runs the rest of a test's scope in another folder.
class InDir {
 public:
  explicit InDir(const std::string& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InDir() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

// How many times a letter occurs in a text.
inline int count_of(const std::string& s, char c) {
  int n = 0;
  for (char x : s) n += x == c;
  return n;
}

}  // namespace halvorin::testing
