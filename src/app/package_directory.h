// The package at the end of a program file: the entries' bytes back to
// back, the entry count, the directory (each name ended by a zero byte, then
// its size), the directory's size and the trailer "PLXA". All integers are
// 32-bit little-endian. Nothing records where the package begins: the first
// entry starts at file size - directory size - sum of entry sizes - 12.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

// The package's trailer magic.
inline constexpr std::string_view kPackageMagic = "PLXA";

// Entry name prefixes: "?" marks the project, "*" the parameter record.
inline constexpr std::string_view kProjectEntryName = "?project.lxp";
inline constexpr std::string_view kParamsEntryName = "*params.txt";

// The trailer is not "PLXA": the file carries no package at all.
class ePackageMissing : public std::runtime_error {
 public:
  ePackageMissing() : std::runtime_error("FileProblem") {}
};

// The trailer is there but the directory or the entry sizes do not fit the
// file.
class ePackageCorrupt : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One directory entry (`tExeFilerec`): where its bytes lie in the file.
struct PackageEntry {
  std::string name;
  uint64_t offset = 0;
  uint32_t size = 0;
};

class PackageDirectory {
 public:
  PackageDirectory() = default;

  // Reads the trailer and the directory of a whole file's bytes. Every
  // offset and size is checked against the file, so a damaged package never
  // leads outside it.
  static PackageDirectory parse(std::span<const uint8_t> file);

  // The entry of that name, matched in full (prefix included) without regard
  // to letter case.
  const PackageEntry* find(std::string_view name) const;

  const std::vector<PackageEntry>& entries() const { return entries_; }
  // Where the package begins in its file.
  uint64_t start() const { return start_; }

 private:
  std::vector<PackageEntry> entries_;
  uint64_t start_ = 0;
};

}  // namespace lx
