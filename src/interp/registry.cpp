// Localized spellings of internal names.
#include "interp/registry.h"

#include "lang/dictionary.h"

namespace lx {
namespace {

std::vector<std::string> spellings(std::string_view internalName) {
  const std::string entry = getStr("dict", internalName, true);
  std::vector<std::string> words;
  size_t start = 0;
  while (start < entry.size()) {
    size_t end = entry.find(' ', start);
    if (end == std::string::npos) end = entry.size();
    if (end > start) words.push_back(entry.substr(start, end - start));
    start = end + 1;
  }
  if (words.empty()) words.push_back("@" + std::string(internalName) + "@");
  return words;
}

}  // namespace

std::vector<NameCode> localizedCodes(std::string_view internalName) {
  bool setForm = false;
  if (internalName.starts_with("set*")) {
    internalName.remove_prefix(4);
    setForm = true;
  } else if (internalName.starts_with("*")) {
    internalName.remove_prefix(1);
    setForm = true;
  }
  std::vector<NameCode> codes;
  for (const std::string& word : spellings(internalName)) codes.push_back(codeOf(setForm ? setNameOf(word) : word));
  return codes;
}

}  // namespace lx
