#include "app/package.h"

#include <mutex>

namespace lx {
namespace {

struct LoadedPackage {
  std::mutex lock;
  bool loaded = false;
  std::shared_ptr<const MappedFile> file;
  PackageDirectory directory;
};

LoadedPackage& loadedPackage() {
  static LoadedPackage package;
  return package;
}

// Offsets of the two flags in the parameter record.
constexpr size_t kVoiceFlagAt = 13;
constexpr size_t kSecondFlagAt = 14;

}  // namespace

void loadPackageDirectory(const std::string& path, bool fatal) {
  LoadedPackage& package = loadedPackage();
  std::lock_guard guard(package.lock);
  package.loaded = true;
  package.directory = PackageDirectory();
  package.file.reset();
  std::shared_ptr<const MappedFile> file;
  try {
    file = MappedFile::open(path);
  } catch (const eMappingFailed& failure) {
    if (fatal) throw eFatalStartup(std::string("FATAL: Cannot access files (") + failure.what() + ")");
    throw;
  }
  try {
    package.directory = PackageDirectory::parse(file->bytes());
    package.file = std::move(file);
  } catch (const std::runtime_error&) {
    // A damaged directory is as unusable as a missing one: the runtime
    // cannot find its project in either.
    if (fatal) throw eFatalStartup("FATAL: The EXE file is corrupt");
    throw;
  }
}

bool packageDirectoryLoaded() {
  std::lock_guard guard(loadedPackage().lock);
  return loadedPackage().loaded;
}

const PackageDirectory& packageDirectory() { return loadedPackage().directory; }

std::unique_ptr<tExe2MemStream> openPackageEntry(std::string_view name) {
  LoadedPackage& package = loadedPackage();
  std::lock_guard guard(package.lock);
  const PackageEntry* entry = package.directory.find(name);
  if (entry == nullptr || !package.file) throw eExeStreamNotFound();
  return std::make_unique<tExe2MemStream>(package.file, package.file->bytes().subspan(entry->offset, entry->size));
}

PackageParameters readPackageParameters() {
  PackageParameters parameters;
  std::unique_ptr<tExe2MemStream> record;
  try {
    record = openPackageEntry(kParamsEntryName);
  } catch (const eExeStreamNotFound&) {
    return parameters;
  }
  char flags[2];
  if (!record->seekg(kVoiceFlagAt) || !record->read(flags, 2)) return parameters;
  static_assert(kSecondFlagAt == kVoiceFlagAt + 1);
  parameters.voice = flags[0] != 0;
  parameters.secondFlag = flags[1] != 0;
  return parameters;
}

void unloadPackageDirectory() {
  LoadedPackage& package = loadedPackage();
  std::lock_guard guard(package.lock);
  package.loaded = false;
  package.directory = PackageDirectory();
  package.file.reset();
}

}  // namespace lx
