// Name codes: every name of a variable, procedure, event or object is
// interned to a positive 32-bit code, and tables are indexed by code.
//
// Codes are given out in order (the first name gets 1). Names compare with
// the current language's name comparison, so "Forward" and "forward" share
// a code. The words "#n" stand for the object numbered n of a project being
// loaded: they get the code n + 2147483647 and are never stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lx {

using NameCode = uint32_t;

inline constexpr NameCode kObjectNumberBase = 0x7FFFFFFF;

// The byte that starts a dictionary reference ("·name") in built-in Logo
// text: the middle dot of code page 1250.
inline constexpr char kDictionaryMark = '\xB7';

// Interns `name` (resolving a dictionary reference "·..." first).
NameCode codeOf(std::string_view name);
// The name of a code, or "<Unknown name>".
std::string nameOf(NameCode code);

// True for the codes of "#n" words; objectNumberOf gives n.
bool isObjectNumberCode(NameCode code);
uint32_t objectNumberOf(NameCode code);

// How many names are interned.
size_t nameCodeCount();

// Empties both tables (start-up calls it once, before anything is interned).
void initNameCodes();

// What the language layer lends the tables. The key makes names that the
// current language finds equal share a code; a dictionary reference is
// resolved to its word (`resolved` false when the dictionary lacks it).
// Without them, names are their own keys and references stay as written.
struct NameLanguage {
  std::string (*key)(std::string_view name) = nullptr;
  std::string (*resolveReference)(std::string_view reference, bool& resolved) = nullptr;
};
void setNameLanguage(NameLanguage language);
// Makes the keys again after the comparison of names changed; codes stay.
void rekeyNameCodes();

}  // namespace lx
