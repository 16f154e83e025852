#pragma once
// Shared set-up for the pattern tests: a program on a key script with a style's specialty limits.
#include <array>
#include <filesystem>

#include "driver/program.hpp"
#include "platform/terminal.hpp"

namespace halvorin::testing {

// SPEARLY, SPLATE, SPMIN, SPMAX, then min and max of FTV, CV Ref, CO Ref and SIT.
using Limits = std::array<int, 12>;

// A program whose keys come from a key script; the weekly demo's limits, 20 questions, 1 quiz.
struct PatternBench {
  explicit PatternBench(const std::string& keys = "", uint64_t seed = 11)
      : term(parse_key_script(keys, "test keys")), p(term, seed) {
    set({2, 18, 2, 4, 1, 2, 0, 1, 0, 1, 0, 1});
    p.cu.QMAX = 20;
    p.cu.QNUM = 1;
    p.cu.SETSPC = 'N';
  }
  void set(const Limits& l) {
    ConfigUnit& c = p.cu;
    for (auto [field, v] : {std::pair{&c.SPEARLY, l[0]},
                            {&c.SPLATE, l[1]},
                            {&c.SPMIN, l[2]},
                            {&c.SPMAX, l[3]},
                            {&c.FMIN, l[4]},
                            {&c.FMAX, l[5]},
                            {&c.RMIN, l[6]},
                            {&c.RMAX, l[7]},
                            {&c.OMIN, l[8]},
                            {&c.OMAX, l[9]},
                            {&c.SMIN, l[10]},
                            {&c.SMAX, l[11]}})
      *field = v;
  }
  ScriptTerminal term;
  Program p;
};

// Runs the rest of a test's scope in another folder.
struct InDir {
  explicit InDir(const std::string& dir) { std::filesystem::current_path(dir); }
  ~InDir() { std::filesystem::current_path(old); }
  std::filesystem::path old = std::filesystem::current_path();
};

}  // namespace halvorin::testing
