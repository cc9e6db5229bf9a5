// Making packages: the entries' bytes, their count, the directory, its size
// and "PLXA", appended to a program file to make a stand-alone runtime.
#pragma once

#include <string>
#include <vector>

namespace lx {

struct PackageSource {
  std::string name;   // with its prefix: "?project.lxp", "*params.txt"
  std::string bytes;
};

// The package bytes for the entries, in order. A name must not contain a
// zero byte, and nothing may exceed 32-bit sizes (std::length_error).
std::string buildPackage(const std::vector<PackageSource>& entries);

// The 15-byte parameter record: version 11, the unused fields zero, then
// the voice flag and the second flag.
std::string packageParameterRecord(bool voice = false, bool secondFlag = false);

}  // namespace lx
