#include "platform/random.hpp"

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include <chrono>

namespace halvorin {

namespace {

uint64_t splitmix(uint64_t& x) {
  uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace

void Random::seed_with(uint64_t seed) {
  seed_ = seed;
  uint64_t x = seed;
  for (auto& s : s_) s = splitmix(x);
}

uint64_t Random::clock_seed() {
  auto t = std::chrono::system_clock::now().time_since_epoch().count();
  return (static_cast<uint64_t>(t) ^ (static_cast<uint64_t>(::getpid()) << 32)) % 1000000000ULL;
}

}  // namespace halvorin
