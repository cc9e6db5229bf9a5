// A language dictionary read from a file beside the program. Such a file may
// come from anywhere, so it is checked before it is used: one that is too
// large, has an overlong line or too many sections, holds no dictionary text
// (not coded, or damaged) or, standing in for a built-in dictionary, lacks
// one of its entries, is refused with the reason.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "lang/dictionary_table.h"

namespace lx {

// Far above any real dictionary (a complete one is some 60 KB, its longest
// line a few hundred bytes, and it has about twenty sections).
inline constexpr uintmax_t kMaxDictionaryFileBytes = 4u << 20;
inline constexpr size_t kMaxDictionaryLineBytes = 16u << 10;
inline constexpr size_t kMaxDictionarySections = 256;

struct DictionaryFile {
  std::unique_ptr<TDTables> tables;  // null when the file is refused
  std::string problem;               // why it is refused, in a few words
};

// Checks and reads coded dictionary bytes. `complete`, when given, is the
// dictionary whose every entry the file must also hold.
DictionaryFile readDictionaryBytes(std::string_view coded, const TDTables* complete);
// The same for a file, refusing one too large before reading it.
DictionaryFile readDictionaryFile(const std::filesystem::path& path, const TDTables* complete);

}  // namespace lx
