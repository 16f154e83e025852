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
  explicit Program(Terminal& term, uint64_t seed)
      : con(term), rng(seed), sessions(seed ^ kSessionMix), first_seed(seed) {}
  RunState rs;
  ConfigUnit cu;
  Console con;
  // The pass's generator: started afresh from the pass's own seed, so that seed alone (with the
  // same answers) makes the pass's packet again.
  Random rng;
  // random(n) of the pass's generator: uniform over 0..n-1.
  int random(int n) { return rng.random(n); }
  // Starts a pass's generator: the first pass from the run's seed, each later one from a seed
  // drawn from the session's own generator (short enough to type after --seed).
  void seed_pass() {
    rng.seed_with(passes++ == 0 ? first_seed
                                : static_cast<uint64_t>(sessions.random(kPassSeedRange)));
  }

 private:
  static constexpr uint64_t kSessionMix = 0x5e55a0f1d2c3b4a5ULL;
  static constexpr int kPassSeedRange = 1000000000;
  Random sessions;
  uint64_t first_seed;
  int passes = 0;
};

}  // namespace halvorin
