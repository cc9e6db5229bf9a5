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

// Interns `name` (resolving a dictionary reference "·..." first).
NameCode codeOf(std::string_view name);
// The name of a code, or "<Unknown name>".
std::string nameOf(NameCode code);
// The code of a localized internal name (section `dict`), or of its set-name
// when the internal name begins with "set*".
NameCode codeOfInternal(std::string_view internalName);
// The code of the localized entry section/key.
NameCode codeOfEntry(std::string_view section, std::string_view key);
// The code of the set-name made from `name` with the set pattern.
NameCode setNameCodeOf(std::string_view name);

// True for the codes of "#n" words; objectNumberOf gives n.
bool isObjectNumberCode(NameCode code);
uint32_t objectNumberOf(NameCode code);

// How many names are interned.
size_t nameCodeCount();

// Empties both tables (start-up calls it once, before anything is interned).
void initNameCodes();

}  // namespace lx
