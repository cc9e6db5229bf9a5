// The one random generator of the interpreter. It can be seeded (from the
// command line) so that runs repeat. Used under the interpreter lock.
#pragma once

#include <cstdint>

namespace lx {

void seedRandom(uint64_t seed);
// A uniform integer in 0..n-1 (n > 0).
int64_t randomBelow(int64_t n);
// A uniform integer in lo..hi (lo <= hi).
int64_t randomBetween(int64_t lo, int64_t hi);
// A uniform real in [0, 1).
double randomUnit();

}  // namespace lx
