// Name codes of localized words, and what the language lends the name tables.
#include "lang/localized_codes.h"

#include "lang/dictionary.h"
#include "lang/name_comparison.h"

namespace lx {

NameCode codeOfInternal(std::string_view internalName) {
  if (internalName.substr(0, 4) == "set*") {
    const std::string rest(internalName.substr(4));
    const std::string local = localEntryRaw("dict", rest);
    return codeOf(setNameOf(local.empty() ? "@" + rest + "@" : local));
  }
  return codeOf(localName(internalName));
}

NameCode codeOfEntry(std::string_view section, std::string_view key) {
  return codeOf(localEntry(section, key));
}

NameCode setNameCodeOf(std::string_view name) { return codeOf(setNameOf(name)); }

}  // namespace lx
