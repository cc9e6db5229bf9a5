// The media-file lookup the application lends.
#include "media/media_files.h"

#include "core/logo_exception.h"

namespace lx {
namespace {

MediaFileLookup& lookupHook() {
  static MediaFileLookup hook;
  return hook;
}

}  // namespace

void setMediaFileLookup(MediaFileLookup lookup) { lookupHook() = std::move(lookup); }

std::filesystem::path mediaFilePath(const std::string& name) {
  if (lookupHook()) return lookupHook()(name);
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) throw eLogoException::withWord(erNoEmbeddedFilePlugin, name);
  return name;
}

}  // namespace lx
