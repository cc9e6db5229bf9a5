// File names between the system's internal text and the operating system.
// Inside, a file name is code page 1250 text in which "\" and "/" both
// separate folders; the operating system gets UTF-8 with "/".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lx {

inline bool isFolderDelimiter(char c) {
  return c == '\\' || c == '/';
}

// Internal text to the operating system's form: UTF-8, every "\" a "/".
std::string systemPathText(std::string_view internal);
// An operating-system path as internal text, for Logo code to see.
std::string internalPathText(const std::filesystem::path& path);

// The text of a folder with one "/" at its end.
std::string withTrailingDelimiter(std::string folder);

}  // namespace lx
