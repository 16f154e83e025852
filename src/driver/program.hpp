#pragma once
// The one object that lives for the program run: the run state, the configuration unit and the
// platform services the routines use.
#include <cstdint>
#include <string>

#include "platform/console.hpp"
#include "platform/random.hpp"
#include "state/config_unit.hpp"
#include "state/run_state.hpp"

namespace halvorin {

struct Program {
  explicit Program(Terminal& term, uint64_t seed) : con(term), rng(seed) {}
  RunState rs;
  ConfigUnit cu;
  Console con;
  Random rng;
  // random(n) of the one generator: uniform over 0..n-1.
  int random(int n) { return rng.random(n); }
};

}  // namespace halvorin
