#pragma once
// The program's one random generator: seeded once at start-up, never reseeded, and the same
// sequence for a seed on every compiler and platform.
#include <cstdint>

namespace halvorin {

class Random {
 public:
  explicit Random(uint64_t seed = 0) { seed_with(seed); }
  void seed_with(uint64_t seed);
  // Uniform over 0..n-1; 0 when n is 0 or less. Inline: the choosers draw millions of times.
  int random(int n) {
    if (n <= 0) return 0;
    // Multiply-shift on the top 32 bits: uniform enough for n far below 2^32, and exact in
    // integers.
    uint64_t r = next() >> 32;
    return static_cast<int>((r * static_cast<uint64_t>(n)) >> 32);
  }
  uint64_t seed() const { return seed_; }
  // A seed from the clock and process id, for runs without --seed.
  static uint64_t clock_seed();

 private:
  static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  // xoshiro256**: fixed arithmetic on 64-bit unsigned values, so the sequence is portable.
  uint64_t next() {
    uint64_t result = rotl(s_[1] * 5, 7) * 9;
    uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
  }
  uint64_t seed_ = 0;
  uint64_t s_[4] = {};
};

}  // namespace halvorin
