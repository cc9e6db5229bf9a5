// The interface dictionary: window and dialog texts, error messages and
// their captions, short strings. It is built into the program as one coded
// block per language; a block decodes to the language's name, a zero byte
// and dictionary text. In its values "¶" stands for a line break.
#pragma once

#include <string>
#include <string_view>

#include "lang/dictionary_table.h"

namespace lx {

// Chooses the block of `language` (any letter case); a language without a
// block, or whose block does not decode, gets the default (first) block.
// Answers false only when the program has no block at all.
bool selectInterfaceLanguage(std::string_view language);
const TDTables* currentInterfaceDictionary();
// The language whose block is in use ("" before the first selection).
const std::string& interfaceLanguage();

// The entry with every "¶" turned into CR LF; "" when missing or when no
// block is loaded.
std::string interfaceLookup(std::string_view section, std::string_view key);
// A `strings` entry used as a format whose "%s" receives `argument`.
std::string interfaceString(std::string_view key, std::string_view argument);

}  // namespace lx
