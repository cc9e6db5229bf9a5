// Listing the languages.
#include "app/language_list.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "lang/builtin_resources.h"
#include "lang/dictionary.h"
#include "lang/dictionary_file.h"
#include "lang/dictionary_table.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

// A dictionary file is usable when it passes the checks that the loading of
// a language makes before it prefers the file.
bool holdsDictionary(const fs::path& file, const std::string& language) {
  return readDictionaryFile(file, builtinDictionary(language).get()).tables != nullptr;
}

}  // namespace

std::vector<AvailableLanguage> availableLanguages() {
  std::map<std::string, AvailableLanguage> byName;
  for (const BuiltinResource& resource : builtinResources()) {
    if (asciiLower(resource.type) != "ldi") continue;
    const std::string name = asciiLower(resource.name);
    byName[name] = {name, "built in", true};
  }
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(programDirectory(), ec)) {
    const fs::path& path = entry.path();
    if (asciiLower(path.extension().string()) != ".ldx" || !entry.is_regular_file(ec)) continue;
    const std::string name = asciiLower(path.stem().string());
    const bool usable = holdsDictionary(path, name);
    // A damaged file leaves the built-in dictionary of its name in use.
    if (!usable && byName.count(name)) continue;
    byName[name] = {name, path.string(), usable};
  }
  std::vector<AvailableLanguage> languages;
  for (auto& [name, language] : byName) languages.push_back(std::move(language));
  return languages;
}

void printLanguages(const std::vector<AvailableLanguage>& languages, std::ostream& out) {
  size_t width = 0;
  for (const AvailableLanguage& language : languages) width = std::max(width, language.name.size());
  for (const AvailableLanguage& language : languages) {
    out << language.name << std::string(width + 2 - language.name.size(), ' ') << language.source;
    if (!language.usable) out << " (not a dictionary: cannot be used)";
    out << "\n";
  }
}

}  // namespace lx
