// Looking files and folders up without regard to letter case.
#include "app/caseless_lookup.h"

#include <filesystem>
#include <vector>

#include "lang/dictionary_table.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path, bool folder) {
  std::error_code ec;
  const fs::file_status status = fs::status(path.empty() ? std::string(".") : path, ec);
  if (ec || !fs::exists(status)) return false;
  return !folder || fs::is_directory(status);
}

// The name in `folder` equal to `name` without regard to ASCII letter case,
// the smallest such when there are several.
std::optional<std::string> matchInFolder(const std::string& folder, const std::string& name,
                                         bool wantFolder) {
  const std::string wanted = asciiLower(name);
  std::optional<std::string> best;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder.empty() ? std::string(".") : folder, ec)) {
    const std::string candidate = entry.path().filename().string();
    if (asciiLower(candidate) != wanted || (best && *best <= candidate)) continue;
    if (exists(folder + candidate, wantFolder)) best = candidate;
  }
  return best;
}

std::vector<std::string> components(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::optional<std::string> findExistingFolder(const std::string& folder) {
  if (exists(folder, true)) return folder;
  // Walk from the front: each component exactly when it exists, else by a
  // match without regard to case. Empty components ("//", the root, the end)
  // and "." or ".." stay as they are.
  std::string found;
  bool first = true;
  for (const std::string& part : components(folder)) {
    if (!first) found += '/';
    first = false;
    if (part.empty() || part == "." || part == "..") {
      found += part;
      continue;
    }
    if (exists(found + part, true)) {
      found += part;
    } else if (auto match = matchInFolder(found, part, true)) {
      found += *match;
    } else {
      return std::nullopt;
    }
  }
  return found;
}

std::optional<std::string> findExistingEntry(const std::string& folder, const std::string& name) {
  if (exists(folder + name, false)) return folder + name;
  if (auto match = matchInFolder(folder, name, false)) return folder + *match;
  return std::nullopt;
}

}  // namespace lx
