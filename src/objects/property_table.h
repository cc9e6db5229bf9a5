// The property table: the fixed property codes 0..184 that saved projects
// write in front of property values, each with the localized names through
// which Logo code reads and sets the property in the current language.
#pragma once

#include <string>
#include <vector>

#include "core/name_codes.h"
#include "objects/property_codes.h"

namespace lx {

struct PropertyRow {
  const char* internalName = nullptr;  // none: the code is not assigned
  NameCode nameCode = 0;               // the localized main name
  NameCode setNameCode = 0;            // its set-name
  std::string setNames;                // further set-commands, blank-separated
  std::string getNames;                // further getters, blank-separated
  std::vector<std::string> synonyms;   // every localized name, the main one first

  bool assigned() const { return internalName != nullptr; }
};

// Fills every row from the current dictionary (start-up; again after the
// language changed).
void fillPropertyTable();
// The row of `code`; an unassigned row for codes outside 0..194.
const PropertyRow& propertyRow(int code);
bool isPropertyCode(int code);
// The first property one of whose localized names is `name`, or -1.
int propertyCodeNamed(NameCode name);
// The main name of the property that `name` names, or `name` itself when it
// names no property (so that "color" and "colour" reach the same variable).
NameCode canonicalPropertyName(NameCode name);

// The codes of every getter and every set-command of a property: the main
// name or set-name first, then those of the synonyms and the extra words.
std::vector<NameCode> propertyGetterCodes(int code);
std::vector<NameCode> propertySetterCodes(int code);

}  // namespace lx
