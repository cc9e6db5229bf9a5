// The media-file lookup the application lends.
#include "media/media_files.h"

#include "core/logo_exception.h"
#include "lang/name_comparison.h"

namespace lx {
namespace {

MediaFileLookup& lookupHook() {
  static MediaFileLookup hook;
  return hook;
}

// The file itself, or a file of its folder whose name differs only in
// letter case (the default extension is upper case; files rarely are).
std::filesystem::path existingFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) return path;
  const std::string wanted = lowerCase(path.filename().string());
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.is_regular_file(error) && lowerCase(entry.path().filename().string()) == wanted)
      return entry.path();
  return {};
}

}  // namespace

void setMediaFileLookup(MediaFileLookup lookup) {
  lookupHook() = std::move(lookup);
}

std::filesystem::path mediaFilePath(const std::string& name) {
  if (lookupHook()) return lookupHook()(name);
  std::filesystem::path found = existingFile(name);
  if (found.empty()) throw eLogoException::withWord(erNoEmbeddedFilePlugin, name);
  return found;
}

}  // namespace lx
