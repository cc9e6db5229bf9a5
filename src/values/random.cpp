// The interpreter's random generator: a 32-bit linear congruential
// generator (seed × 134775813 + 1), whose draw below n is the high 32 bits
// of seed × n, so that a seeded run gives the sequence Logo users know.
#include "values/random.h"

#include <chrono>

namespace lx {
namespace {

uint32_t& seedState() {
  static uint32_t seed =
      static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFFFFFFu);
  return seed;
}

uint32_t step() {
  uint32_t& seed = seedState();
  seed = seed * 134775813u + 1u;
  return seed;
}

}  // namespace

void seedRandom(uint64_t seed) { seedState() = static_cast<uint32_t>(seed); }

int64_t randomBelow(int64_t n) {
  if (n <= 0) return 0;
  if (n > 0xFFFFFFFFLL) return static_cast<int64_t>((static_cast<uint64_t>(step()) << 32 | step()) % static_cast<uint64_t>(n));
  return static_cast<int64_t>((static_cast<uint64_t>(step()) * static_cast<uint64_t>(n)) >> 32);
}

int64_t randomBetween(int64_t lo, int64_t hi) { return lo + randomBelow(hi - lo + 1); }

double randomUnit() { return step() / 4294967296.0; }

}  // namespace lx
