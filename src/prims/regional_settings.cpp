// The regional settings. The program's texts and formats are its own, so
// the defaults hold whatever the machine's locale says; tests set them.
#include "prims/regional_settings.h"

namespace lx {

RegionalSettings& regionalSettings() {
  static RegionalSettings settings;
  return settings;
}

}  // namespace lx
