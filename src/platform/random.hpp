#pragma once
// The program's one random generator: seeded once at start-up, never reseeded, and the same
// sequence for a seed on every compiler and platform.
#include <cstdint>

namespace halvorin {

class Random {
 public:
  explicit Random(uint64_t seed = 0) { seed_with(seed); }
  void seed_with(uint64_t seed);
  // Uniform over 0..n-1; 0 when n is 0 or less.
  int random(int n);
  uint64_t seed() const { return seed_; }
  // A seed from the clock and process id, for runs without --seed.
  static uint64_t clock_seed();

 private:
  uint64_t next();
  uint64_t seed_ = 0;
  uint64_t s_[4] = {};
};

}  // namespace halvorin
