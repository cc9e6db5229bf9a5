// The interpreter's random generator.
#include "values/random.h"

#include <random>

namespace lx {
namespace {

std::mt19937_64& generator() {
  static std::mt19937_64 g{std::random_device{}()};
  return g;
}

}  // namespace

void seedRandom(uint64_t seed) { generator().seed(seed); }

int64_t randomBelow(int64_t n) { return std::uniform_int_distribution<int64_t>(0, n - 1)(generator()); }

int64_t randomBetween(int64_t lo, int64_t hi) {
  return std::uniform_int_distribution<int64_t>(lo, hi)(generator());
}

double randomUnit() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator()); }

}  // namespace lx
