// The resident size from /proc/self/statm: its second field, in pages.
#include "platform/memory_use.h"

#include <unistd.h>

#include <fstream>

namespace lx {

uint64_t residentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  uint64_t size = 0, resident = 0;
  if (!(statm >> size >> resident)) return 0;
  return resident * static_cast<uint64_t>(::sysconf(_SC_PAGESIZE)) / 1024;
}

}  // namespace lx
