// The table of search directories per file kind.
#include "app/search_paths.h"

#include <array>
#include <optional>

#include "app/system_path.h"
#include "core/logo_exception.h"

namespace lx {
namespace {

struct SearchPaths {
  bool initialised = false;
  // Per kind: the entries set by setpath, or nothing for the defaults.
  std::array<std::optional<std::vector<std::string>>, kFileKindCount> entries;
  std::filesystem::path projectDirectory;
};

SearchPaths& paths() {
  static SearchPaths p;
  return p;
}

SearchPaths& initialisedPaths() {
  SearchPaths& p = paths();
  if (!p.initialised) throw eLogoBase("Internal error - paths not initialised");
  return p;
}

std::string normalisedEntry(const std::string& entry) {
  if (entry.empty()) return std::string(1, kProgramRoot);
  if (entry.size() == 1 && (entry[0] == kProgramRoot || entry[0] == kProjectRoot)) return entry;
  if (isFolderDelimiter(entry.back())) return entry;
  return entry + '\\';
}

}  // namespace

void initFilePaths() {
  SearchPaths& p = paths();
  for (auto& entries : p.entries) entries.reset();
  p.initialised = true;
}

bool filePathsInitialised() {
  return paths().initialised;
}

void clearFilePaths() {
  SearchPaths& p = paths();
  for (auto& entries : p.entries) entries.reset();
  p.projectDirectory.clear();
  p.initialised = false;
}

std::vector<std::string> directoriesOf(FileKind kind) {
  const auto& entries = initialisedPaths().entries[kind];
  return entries ? *entries : defaultDirectories(kind);
}

void setDirectories(FileKind kind, const std::vector<std::string>& entries) {
  SearchPaths& p = initialisedPaths();
  if (entries.empty()) {
    p.entries[kind].reset();
    return;
  }
  std::vector<std::string> normalised;
  normalised.reserve(entries.size());
  for (const std::string& entry : entries) normalised.push_back(normalisedEntry(entry));
  p.entries[kind] = std::move(normalised);
}

const std::filesystem::path& projectDirectory() {
  return paths().projectDirectory;
}

void setProjectDirectory(std::filesystem::path folder) {
  paths().projectDirectory = std::move(folder);
}

}  // namespace lx
