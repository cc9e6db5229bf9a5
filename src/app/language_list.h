// The languages the runtime can switch to: the dictionaries built into the
// program and the "NAME.ldx" files in the program's folder (a file takes
// the place of a built-in dictionary of the same name).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lx {

struct AvailableLanguage {
  std::string name;    // lower case, as --lang takes it
  std::string source;  // "built in", or the dictionary file's path
  bool usable = true;  // false: a file that holds no dictionary
};

// Every language, in name order.
std::vector<AvailableLanguage> availableLanguages();

// One line per language: its name, where it comes from, and whether it can
// be used.
void printLanguages(const std::vector<AvailableLanguage>& languages, std::ostream& out);

}  // namespace lx
