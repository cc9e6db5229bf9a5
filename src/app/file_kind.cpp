// The table of file kinds.
#include "app/file_kind.h"

#include <array>
#include <cassert>

#include "lang/dictionary.h"
#include "lang/name_comparison.h"

namespace lx {
namespace {

// One row of the table. A default directory is written as a pattern in
// which "<key>" stands for the sub-folder name of that key.
struct FileKindRow {
  std::vector<const char*> keys;
  const char* extension;
  std::vector<const char*> directories;
};

const std::array<FileKindRow, kFileKindCount>& fileKindTable() {
  static const std::array<FileKindRow, kFileKindCount> table = {{
      {{}, "", {"%"}},
      {{"project", "screen"}, ".LXP", {"$", "%<project>\\", "%"}},
      {{"demo"}, ".LXP", {"%<demo>\\"}},
      {{"help"}, ".HLP", {"%<help>\\", "%"}},
      {{"image"}, ".LGF", {"$<image>\\", "%<image>\\", "$", "%"}},
      {{"media", "wave", "sound"}, ".WAV", {"$<media>\\", "%<media>\\", "$", "%"}},
      {{"text"}, ".TXT", {"$<text>\\", "%<text>\\", "$", "%"}},
      {{"web"}, ".LXP", {"$<web>\\", "%<project>\\<web>\\", "%<web>\\", "$", "%<project>\\", "%"}},
      {{"button"},
       ".LGF",
       {"$<image>\\<button>\\", "$<button>\\", "%<image>\\<button>\\", "%<button>\\", "$<image>\\",
        "%<image>\\", "$", "%"}},
  }};
  return table;
}

const FileKindRow& rowOf(FileKind kind) {
  assert(kind < kFileKindCount);
  return fileKindTable()[kind];
}

// Replaces every "<key>" of a pattern by that key's sub-folder name.
std::string expandPattern(std::string_view pattern) {
  std::string entry;
  size_t i = 0;
  while (i < pattern.size()) {
    const size_t close = pattern[i] == '<' ? pattern.find('>', i) : std::string_view::npos;
    if (close == std::string_view::npos) {
      entry += pattern[i++];
      continue;
    }
    entry += subfolderName(pattern.substr(i + 1, close - i - 1));
    i = close + 1;
  }
  return entry;
}

// Whether `word` is one of the "pathnames" words of `key`. Without a
// dictionary, or without the entry, the key itself is the word.
bool namesKind(std::string_view key, std::string_view word) {
  if (currentDictionary() && !getStr("pathnames", key, false).empty())
    return isLocalEntry("pathnames", key, word);
  return namesEqual(key, word);
}

}  // namespace

FileKind kindOfName(std::string_view word) {
  for (int kind = fkProject; kind < kFileKindCount; ++kind) {
    for (const char* key : rowOf(static_cast<FileKind>(kind)).keys) {
      if (namesKind(key, word)) return static_cast<FileKind>(kind);
    }
  }
  return fkAny;
}

std::string_view defaultExtension(FileKind kind) {
  return rowOf(kind).extension;
}

std::vector<std::string> defaultDirectories(FileKind kind) {
  std::vector<std::string> entries;
  for (const char* pattern : rowOf(kind).directories) entries.push_back(expandPattern(pattern));
  return entries;
}

std::string subfolderName(std::string_view key) {
  // The whole entry is the name: a folder name may hold blanks.
  std::string name = currentDictionary() ? getStr("directories", key, false) : std::string();
  return name.empty() ? std::string(key) : name;
}

}  // namespace lx
