// The one copy of the regional settings.
#include "prims/regional_settings.h"

namespace lx {

RegionalSettings& regionalSettings() {
  static RegionalSettings settings;
  return settings;
}

}  // namespace lx
