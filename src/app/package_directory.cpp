#include "app/package_directory.h"

#include <cstring>

#include "lang/byte_order.h"
#include "lang/name_comparison.h"

namespace lx {
namespace {

// Trailer: directory size, then the magic.
constexpr uint64_t kTrailerSize = 8;
// Entry count, directory size and magic around the directory.
constexpr uint64_t kFrameSize = 12;
// The smallest directory entry: an empty name's zero byte and a size.
constexpr uint64_t kSmallestEntry = 5;

uint32_t readWord(std::span<const uint8_t> file, uint64_t at) {
  return static_cast<uint32_t>(getInt32LE(reinterpret_cast<const char*>(file.data() + at)));
}

}  // namespace

PackageDirectory PackageDirectory::parse(std::span<const uint8_t> file) {
  const uint64_t fileSize = file.size();
  if (fileSize < kTrailerSize ||
      std::memcmp(file.data() + fileSize - 4, kPackageMagic.data(), 4) != 0) {
    throw ePackageMissing();
  }
  const uint64_t dirSize = readWord(file, fileSize - kTrailerSize);
  if (dirSize + kFrameSize > fileSize) throw ePackageCorrupt("directory larger than the file");
  const uint64_t dirStart = fileSize - kTrailerSize - dirSize;
  const uint64_t count = readWord(file, dirStart - 4);
  if (count > dirSize / kSmallestEntry) throw ePackageCorrupt("entry count larger than the directory");

  PackageDirectory directory;
  directory.entries_.reserve(count);
  uint64_t at = dirStart;
  const uint64_t dirEnd = dirStart + dirSize;
  uint64_t total = 0;
  for (uint64_t i = 0; i < count; ++i) {
    const auto* nameStart = file.data() + at;
    const auto* zero = static_cast<const uint8_t*>(std::memchr(nameStart, 0, dirEnd - at));
    if (zero == nullptr) throw ePackageCorrupt("entry name runs past the directory");
    PackageEntry entry;
    entry.name.assign(reinterpret_cast<const char*>(nameStart), zero - nameStart);
    at += entry.name.size() + 1;
    if (at + 4 > dirEnd) throw ePackageCorrupt("entry size runs past the directory");
    entry.size = readWord(file, at);
    at += 4;
    total += entry.size;
    directory.entries_.push_back(std::move(entry));
  }
  if (at != dirEnd) throw ePackageCorrupt("directory size does not match its entries");
  if (total + dirSize + kFrameSize > fileSize) throw ePackageCorrupt("entries larger than the file");

  directory.start_ = fileSize - dirSize - total - kFrameSize;
  uint64_t offset = directory.start_;
  for (PackageEntry& entry : directory.entries_) {
    entry.offset = offset;
    offset += entry.size;
  }
  return directory;
}

const PackageEntry* PackageDirectory::find(std::string_view name) const {
  const std::string wanted = lowerCase(name);
  for (const PackageEntry& entry : entries_) {
    if (lowerCase(entry.name) == wanted) return &entry;
  }
  return nullptr;
}

}  // namespace lx
