#include "platform/random.hpp"

#include <unistd.h>

#include <chrono>

namespace halvorin {

namespace {

uint64_t splitmix(uint64_t& x) {
  uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

void Random::seed_with(uint64_t seed) {
  seed_ = seed;
  uint64_t x = seed;
  for (auto& s : s_) s = splitmix(x);
}

// xoshiro256**: fixed arithmetic on 64-bit unsigned values, so the sequence is portable.
uint64_t Random::next() {
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

int Random::random(int n) {
  if (n <= 0) return 0;
  // Multiply-shift on the top 32 bits: uniform enough for n far below 2^32, and exact in integers.
  uint64_t r = next() >> 32;
  return static_cast<int>((r * static_cast<uint64_t>(n)) >> 32);
}

uint64_t Random::clock_seed() {
  auto t = std::chrono::system_clock::now().time_since_epoch().count();
  return (static_cast<uint64_t>(t) ^ (static_cast<uint64_t>(::getpid()) << 32)) % 1000000000ULL;
}

}  // namespace halvorin
