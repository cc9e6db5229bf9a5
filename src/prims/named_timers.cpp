// The stopwatches, keyed by the name comparison's key.
#include "prims/named_timers.h"

#include <map>

#include "lang/name_comparison.h"
#include "platform/clock.h"

namespace lx {
namespace {

std::map<std::string, uint64_t>& timers() {
  static std::map<std::string, uint64_t> table{{std::string(), tickCount()}};
  return table;
}

uint64_t& startOf(const std::string& name) {
  auto [it, made] = timers().try_emplace(nameKey(name), 0);
  if (made) it->second = tickCount();
  return it->second;
}

}  // namespace

uint64_t timerElapsed(const std::string& name) {
  const uint64_t start = startOf(name);
  const uint64_t now = tickCount();
  return now > start ? now - start : 0;
}

void resetTimer(const std::string& name) {
  startOf(name) = tickCount();
}

void resetAllTimers() {
  timers().clear();
  resetTimer(std::string());
}

size_t timerCount() {
  return timers().size();
}

}  // namespace lx
