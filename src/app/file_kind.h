// The nine kinds of files that Logo code names — projects, demos, help,
// images, sounds, texts, web pages, button images and anything else — with
// the words that name them, their default extensions and the folders where
// a name is looked for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

enum FileKind : uint8_t {
  fkAny = 0,      // no words, no extension, the program folder
  fkProject = 1,  // "project", "screen"
  fkDemo = 2,     // "demo"
  fkHelp = 3,     // "help"
  fkImage = 4,    // "image"
  fkMedia = 5,    // "media", "wave", "sound"
  fkText = 6,     // "text"
  fkWeb = 7,      // "web"
  fkButton = 8,   // "button"
};

inline constexpr int kFileKindCount = 9;

// The first kind (1 to 8) one of whose keys has a "pathnames" entry holding
// `word` among its synonyms; fkAny when none does.
FileKind kindOfName(std::string_view word);

// ".LXP", ".LGF", ...; empty for fkAny.
std::string_view defaultExtension(FileKind kind);

// The kind's default directories in search order, as entries are stored:
// a leading "%" is the program folder, "$" the project folder, and the
// sub-folder names come from the "directories" section of the current
// dictionary (the key itself when there is none).
std::vector<std::string> defaultDirectories(FileKind kind);

// The localized name of a sub-folder: the "directories" entry `key`.
std::string subfolderName(std::string_view key);

}  // namespace lx
