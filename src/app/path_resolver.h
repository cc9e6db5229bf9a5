// Turning a file name that Logo code gives into a full path: its own root
// ("$" or "%") or the search directories of its kind, the kind's default
// extension, and the first folder that holds the file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/file_kind.h"

namespace lx {

enum ResolveFlags : unsigned {
  rfNone = 0,
  rfMustExist = 1,           // search for the file itself, not only its folder
  rfNoDefaultExtension = 2,  // leave a name without extension as it is
};

struct ResolvedPath {
  // The full path in the operating system's form; for the clipboard, the
  // name as it was given.
  std::filesystem::path path;
  bool isClipboard = false;  // the name stands for the clipboard, not a file
  // The path as internal text, for Logo code to see.
  std::string text() const;
};

// Resolution never raises a Logo error: a file that is not found gives a
// path that the caller's open fails on, and each caller reports its own
// error. Before the search table is built it raises the internal fault.
ResolvedPath resolvePath(FileKind kind, std::string_view name, unsigned flags);

// The folder a search directory entry stands for, in the operating
// system's form; none for a "$" entry while there is no project folder.
std::optional<std::string> folderOfEntry(std::string_view entry);

// "clipboard" in any letter case, or a word of the dictionary's
// other/clipboard entry.
bool isClipboardName(std::string_view name);

// A name taken apart: its own root, its folder part up to and including the
// last delimiter ("\", "/" or ":"), and the file part after it.
struct FileNameParts {
  char root = 0;  // kProgramRoot, kProjectRoot or 0
  std::string folder;
  std::string file;
};
FileNameParts splitFileName(std::string_view name);

// Whether a folder part starts at a drive or a root of its own ("C:", "\\",
// "/"), so that it is not looked for under the search directories.
bool hasDrive(std::string_view folder);

}  // namespace lx
