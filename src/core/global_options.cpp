// The one copy of the global settings.
#include "core/global_options.h"

namespace lx {

GlobalOptions& globalOptions() {
  static GlobalOptions options;
  return options;
}

}  // namespace lx
