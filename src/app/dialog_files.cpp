// Listing the files a chooser offers.
#include "app/dialog_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/file_kind.h"
#include "app/path_resolver.h"
#include "app/search_paths.h"
#include "app/system_path.h"
#include "controls/dialog_sources.h"
#include "lang/name_comparison.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

FileKind kindOfWord(const std::string& kind) {
  static const std::pair<const char*, FileKind> kInternal[] = {
      {"project", fkProject}, {"image", fkImage}, {"media", fkMedia}, {"text", fkText}, {"web", fkWeb}};
  for (const auto& [word, known] : kInternal)
    if (kind == word) return known;
  return kindOfName(kind);
}

bool hasOneOf(const fs::path& file, const std::vector<std::string>& extensions) {
  if (extensions.empty()) return true;
  const std::string extension = internalPathText(file.extension());
  return std::any_of(extensions.begin(), extensions.end(),
                     [&](const std::string& wanted) { return namesEqual(wanted, extension); });
}

// The project's folder first, then the kind's search folders, each once.
std::vector<std::string> foldersOf(FileKind kind) {
  std::vector<std::string> folders;
  std::vector<std::string> entries{std::string(1, kProjectRoot)};
  for (const std::string& entry : directoriesOf(kind)) entries.push_back(entry);
  for (const std::string& entry : entries) {
    const std::optional<std::string> folder = folderOfEntry(entry);
    if (folder && std::find(folders.begin(), folders.end(), *folder) == folders.end())
      folders.push_back(*folder);
  }
  return folders;
}

void addFilesOf(const std::string& folder, const std::vector<std::string>& extensions,
                std::vector<std::string>& names) {
  std::error_code failed;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, failed)) {
    if (!entry.is_regular_file(failed) || !hasOneOf(entry.path(), extensions)) continue;
    const std::string name = internalPathText(entry.path().filename());
    const bool known =
        std::any_of(names.begin(), names.end(), [&](const std::string& n) { return namesEqual(n, name); });
    if (!known) names.push_back(name);
  }
}

}  // namespace

std::vector<std::string> filesOfKind(const std::string& kind, const std::vector<std::string>& extensions) {
  std::vector<std::string> names;
  if (!filePathsInitialised()) return names;
  for (const std::string& folder : foldersOf(kindOfWord(kind))) addFilesOf(folder, extensions, names);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return compareNames(a, b) < 0; });
  return names;
}

void installDialogFiles() {
  setDialogFileLister(filesOfKind);
}

}  // namespace lx
