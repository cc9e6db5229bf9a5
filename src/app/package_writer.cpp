#include "app/package_writer.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "app/package_directory.h"
#include "lang/byte_order.h"

namespace lx {
namespace {

constexpr int32_t kParameterRecordVersion = 11;
constexpr size_t kParameterRecordSize = 15;

int32_t checkedSize(size_t size) {
  if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw std::length_error("package part larger than 2 GB");
  }
  return static_cast<int32_t>(size);
}

}  // namespace

std::string buildPackage(const std::vector<PackageSource>& entries) {
  std::string package;
  std::string directory;
  for (const PackageSource& entry : entries) {
    if (entry.name.find('\0') != std::string::npos) throw std::length_error("entry name holds a zero byte");
    package += entry.bytes;
    directory += entry.name;
    directory.push_back('\0');
    appendInt32LE(directory, checkedSize(entry.bytes.size()));
  }
  appendInt32LE(package, checkedSize(entries.size()));
  package += directory;
  appendInt32LE(package, checkedSize(directory.size()));
  package += kPackageMagic;
  checkedSize(package.size());
  return package;
}

std::string packageParameterRecord(bool voice, bool secondFlag) {
  std::string record;
  appendInt32LE(record, kParameterRecordVersion);
  record.resize(kParameterRecordSize - 2, '\0');
  record.push_back(voice ? 1 : 0);
  record.push_back(secondFlag ? 1 : 0);
  return record;
}

}  // namespace lx
