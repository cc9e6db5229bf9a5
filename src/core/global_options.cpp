// The one copy of the global settings.
#include "core/global_options.h"

#include <algorithm>

namespace lx {

GlobalOptions& globalOptions() {
  static GlobalOptions options;
  return options;
}

void GlobalOptions::resetForProject() {
  GlobalOptions fresh;
  fresh.strict = strict;
  fresh.ansi = ansi;
  fresh.octaves = octaves;
  fresh.fkeys = fkeys;
  *this = std::move(fresh);
}

int millisecondsInUnit(int milliseconds, int unit) {
  switch (unit) {
    case kHundredthUnit:
      return std::min((milliseconds + 5) / 10, 99);
    case kTenthUnit:
      return std::min((milliseconds + 50) / 100, 9);
    default:
      return milliseconds;
  }
}

}  // namespace lx
