// Finding media files for the devices, which open files by path: a packed
// entry is copied out once to a temporary file and the copy is used again.
#include "app/media_lookup.h"

#include <unistd.h>

#include <fstream>
#include <map>
#include <mutex>

#include "app/named_file.h"
#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "media/media_files.h"
#include "media/media_players.h"
#include "media/player_windows.h"
#include "media/sound_primitives.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

// The temporary copies by lower-cased file name. Removed by the
// destructor at program end.
struct MediaCopies {
  std::mutex mutex;
  std::map<std::string, fs::path> byName;
  ~MediaCopies() { removeAll(); }
  void removeAll() {
    std::error_code error;
    for (const auto& [name, path] : byName) fs::remove(path, error);
    byName.clear();
  }
};

MediaCopies& copies() {
  static MediaCopies kept;
  return kept;
}

std::string filePart(const std::string& name) {
  const size_t last = name.find_last_of("\\/:");
  return last == std::string::npos ? name : name.substr(last + 1);
}

// A new file in the temporary folder, "Lxm" and a unique part, with the
// name's extension so that the devices know its format.
fs::path copyOut(std::istream& in, const std::string& name) {
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error);
  std::string pattern = (folder / "LxmXXXXXX").string() + fs::path(name).extension().string();
  const int suffix = static_cast<int>(fs::path(name).extension().string().size());
  const int fd = mkstemps(pattern.data(), suffix);
  if (fd < 0) throw eLogoException::withWord(erTempDirPlugin, name);
  close(fd);
  std::ofstream out(pattern, std::ios::binary | std::ios::trunc);
  out << in.rdbuf();
  if (!out.flush()) {
    fs::remove(pattern, error);
    throw eLogoException::withWord(erTempDirPlugin, name);
  }
  return pattern;
}

}  // namespace

fs::path lookUpMediaFile(const std::string& name) {
  const std::string key = lowerCase(filePart(name));
  std::lock_guard lock(copies().mutex);
  if (auto found = copies().byName.find(key); found != copies().byName.end()) return found->second;
  // A file in the package, or else the one the search folders find (the
  // project's own folder among them): it is read where it was found.
  NamedFile file = openNamedFile(name, fkMedia);
  if (!file.path.empty()) return file.path;
  fs::path copy = copyOut(*file.stream, filePart(name));
  copies().byName.emplace(key, copy);
  return copy;
}

void removeMediaCopies() {
  std::lock_guard lock(copies().mutex);
  copies().removeAll();
}

void endMediaFiles() {
  closeAllPlayerWindows();
  closeAllMediaDevices();
  removeMediaCopies();
}

void registerMediaPrimitives(tLogoTab& table) {
  registerSoundPrimitives(table);
  setMediaFileLookup(lookUpMediaFile);
}

}  // namespace lx
