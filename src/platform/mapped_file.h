// A file mapped into memory for reading only, shared with other readers.
// The package at the end of the program file is read this way: nothing is
// copied, and the mapping lives as long as any stream over it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace lx {

// Opening or mapping failed; the message names the step and the path.
class eMappingFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class MappedFile {
 public:
  // Opens and maps the whole file; an empty file maps to no bytes.
  static std::shared_ptr<const MappedFile> open(const std::string& path);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::span<const uint8_t> bytes() const { return {base_, size_}; }

 private:
  MappedFile(const uint8_t* base, size_t size) : base_(base), size_(size) {}
  const uint8_t* base_;
  size_t size_;
};

}  // namespace lx
