// Resolving file names through the search directories of their kind.
#include "app/path_resolver.h"

#include <optional>
#include <vector>

#include "app/caseless_lookup.h"
#include "app/search_paths.h"
#include "app/system_path.h"
#include "lang/clipboard_word.h"
#include "lang/dictionary.h"
#include "lang/dictionary_table.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

bool isAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool hasExtension(std::string_view file) {
  return file.find('.') != std::string_view::npos;
}

std::string rootFolder(const std::filesystem::path& root) {
  return withTrailingDelimiter(root.string());
}

// The folder a search tries for `entry` followed by the name's folder part,
// in the operating system's form. A "$" entry has no folder while there is
// no project folder: a search skips it, while a name's own "$" falls back to
// the program folder.
std::optional<std::string> candidateFolder(std::string_view entry, bool ownRoot) {
  if (entry.empty() || (entry[0] != kProgramRoot && entry[0] != kProjectRoot)) return systemPathText(entry);
  std::string base;
  if (entry[0] == kProjectRoot && !projectDirectory().empty())
    base = rootFolder(projectDirectory());
  else if (entry[0] == kProgramRoot || ownRoot)
    base = rootFolder(programDirectory());
  else
    return std::nullopt;
  return base + systemPathText(entry.substr(1));
}

// Tries the entries in order. With `file` set, the first folder that holds
// the file wins, and the first folder that exists is remembered; without it,
// the first folder that exists wins. When nothing wins: the remembered
// folder, else the last folder tried.
std::string searchFolders(const std::vector<std::string>& entries, const std::string& folderPart,
                          const std::string& file, bool ownRoot) {
  std::optional<std::string> firstExisting;
  std::optional<std::string> lastTried;
  for (const std::string& entry : entries) {
    const std::optional<std::string> candidate = candidateFolder(entry + folderPart, ownRoot);
    if (!candidate) continue;
    lastTried = candidate;
    const std::optional<std::string> folder = findExistingFolder(*candidate);
    if (!folder) continue;
    if (file.empty()) return *folder;
    if (auto found = findExistingEntry(withTrailingDelimiter(*folder), file)) return *found;
    if (!firstExisting) firstExisting = folder;
  }
  if (firstExisting) return withTrailingDelimiter(*firstExisting) + file;
  // Every entry was a skipped "$": the program folder serves.
  return (lastTried ? *lastTried : rootFolder(programDirectory())) + file;
}

}  // namespace

std::string ResolvedPath::text() const {
  return isClipboard ? path.string() : internalPathText(path);
}

std::optional<std::string> folderOfEntry(std::string_view entry) {
  return candidateFolder(entry, false);
}

bool isClipboardName(std::string_view name) {
  return isClipboardWord(name);
}

FileNameParts splitFileName(std::string_view name) {
  FileNameParts parts;
  if (!name.empty() && (name[0] == kProgramRoot || name[0] == kProjectRoot)) {
    parts.root = name[0];
    name.remove_prefix(1);
  }
  const size_t last = name.find_last_of("\\/:");
  const size_t split = last == std::string_view::npos ? 0 : last + 1;
  parts.folder = std::string(name.substr(0, split));
  parts.file = std::string(name.substr(split));
  return parts;
}

bool hasDrive(std::string_view folder) {
  if (folder.size() >= 2 && isAsciiLetter(folder[0]) && folder[1] == ':') return true;
  return !folder.empty() && isFolderDelimiter(folder[0]);
}

ResolvedPath resolvePath(FileKind kind, std::string_view name, unsigned flags) {
  // The search table must exist even for the clipboard: asking before
  // start-up is a fault whatever the name.
  std::vector<std::string> entries = directoriesOf(kind);
  if (isClipboardName(name)) return {std::filesystem::path(std::string(name)), true};
  FileNameParts parts = splitFileName(name);
  if (!(flags & rfNoDefaultExtension) && !parts.file.empty() && !hasExtension(parts.file))
    parts.file += defaultExtension(kind);
  const bool relative = parts.root == 0 && !hasDrive(parts.folder);
  if (!relative) entries = {parts.root ? std::string(1, parts.root) : std::string()};
  const bool wantFile = (flags & rfMustExist) && !parts.file.empty();
  const std::string file = systemPathText(parts.file);
  const std::string folderPart = parts.folder;
  if (wantFile) return {searchFolders(entries, folderPart, file, !relative)};
  return {searchFolders(entries, folderPart, "", !relative) + file};
}

}  // namespace lx
