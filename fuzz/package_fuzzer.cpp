// Feeds arbitrary bytes to the package directory reader as if they were a
// program file. Beyond not crashing, every entry it accepts must lie inside
// the file, and the entries must be found again by their names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/package_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const lx::PackageDirectory directory = lx::PackageDirectory::parse(std::span<const uint8_t>(data, size));
    uint64_t end = directory.start();
    for (const lx::PackageEntry& entry : directory.entries()) {
      if (entry.offset != end || entry.offset + entry.size > size) std::abort();
      end += entry.size;
      if (directory.find(entry.name) == nullptr) std::abort();
    }
  } catch (const std::runtime_error&) {
  }
  return 0;
}
