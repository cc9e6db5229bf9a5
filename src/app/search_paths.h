// The folders searched for each kind of file, and the two roots their
// entries can start with: "%" the program folder, "$" the project folder.
//
// The table is built once at start-up, before any file is opened, and then
// read and changed by Logo code (setpath), which holds the interpreter lock;
// it has no lock of its own. Every operation on it before it is built is an
// internal fault, "Internal error - paths not initialised".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_kind.h"

namespace lx {

inline constexpr char kProgramRoot = '%';
inline constexpr char kProjectRoot = '$';

// Gives every kind its default directories and marks the table built.
void initFilePaths();
bool filePathsInitialised();
// Forgets the table, as before start-up (for tests).
void clearFilePaths();

// The kind's directory entries as stored, roots unexpanded. A kind that has
// its defaults follows the current dictionary's sub-folder names.
std::vector<std::string> directoriesOf(FileKind kind);

// Replaces the kind's directories. No entries restore the defaults. Otherwise
// an empty entry becomes "%", and an entry other than "%" and "$" that does
// not end with a folder delimiter gets "\".
void setDirectories(FileKind kind, const std::vector<std::string>& entries);

// The folder of the project being run, in the operating system's form; empty
// when there is none (then "$" entries are skipped in searches).
const std::filesystem::path& projectDirectory();
void setProjectDirectory(std::filesystem::path folder);

}  // namespace lx
