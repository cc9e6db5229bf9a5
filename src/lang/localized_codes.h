// Name codes of localized words: the code of a primitive's, property's or
// event's internal name as the current language spells it.
#pragma once

#include <string_view>

#include "core/name_codes.h"

namespace lx {

// The code of a localized internal name (section `dict`), or of its set-name
// when the internal name begins with "set*".
NameCode codeOfInternal(std::string_view internalName);
// The code of the localized entry section/key.
NameCode codeOfEntry(std::string_view section, std::string_view key);
// The code of the set-name made from `name` with the set pattern.
NameCode setNameCodeOf(std::string_view name);

}  // namespace lx
