// Reseeding the random generator.
#include "prims/random_primitives.h"

#include <chrono>
#include <ctime>

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/random.h"

namespace lx {
namespace {

Value randomizeRoutine() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  seedRandom(timeOfDaySeed(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis)));
  return nullptr;
}

}  // namespace

uint32_t timeOfDaySeed(int hours, int minutes, int seconds, int milliseconds) {
  return static_cast<uint32_t>(((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
}

void registerRandomPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "randomize", false, randomizeRoutine);
}

}  // namespace lx
