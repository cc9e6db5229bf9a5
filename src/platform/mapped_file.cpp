#include "platform/mapped_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lx {
namespace {

// Closes the descriptor however the mapping ends: a mapping outlives it.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::shared_ptr<const MappedFile> MappedFile::open(const std::string& path) {
  Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) throw eMappingFailed("exe stream error 1 " + path);
  struct stat status {};
  if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    throw eMappingFailed("exe stream error 2");
  }
  const auto size = static_cast<size_t>(status.st_size);
  if (size == 0) return std::shared_ptr<const MappedFile>(new MappedFile(nullptr, 0));
  void* base = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, file.fd, 0);
  if (base == MAP_FAILED) throw eMappingFailed("exe stream error 3");
  return std::shared_ptr<const MappedFile>(new MappedFile(static_cast<const uint8_t*>(base), size));
}

MappedFile::~MappedFile() {
  if (base_ != nullptr) ::munmap(const_cast<uint8_t*>(base_), size_);
}

}  // namespace lx
