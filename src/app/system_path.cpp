// Converting file names for the operating system and back.
#include "app/system_path.h"

#include <algorithm>

#include "platform/codepage.h"

namespace lx {

std::string systemPathText(std::string_view internal) {
  std::string text = cp1250ToUtf8(internal);
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

std::string internalPathText(const std::filesystem::path& path) {
  return utf8ToCp1250(path.string()).text;
}

std::string withTrailingDelimiter(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace lx
