// Feeds arbitrary bytes to the reader of dictionary files beside the program,
// once as a new language's dictionary and once standing in for the built-in
// English one. Beyond not crashing, a dictionary it accepts must have sorted,
// distinct keys in every section, and an accepted stand-in every entry of the
// built-in dictionary.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "lang/dictionary.h"
#include "lang/dictionary_file.h"

namespace {

void checkAccepted(const lx::DictionaryFile& file, const lx::TDTables* complete) {
  if (!file.tables) {
    if (file.problem.empty()) std::abort();
    return;
  }
  for (const lx::TDTable& section : file.tables->sections()) {
    const auto& entries = section.entries();
    for (size_t i = 1; i < entries.size(); ++i)
      if (!(entries[i - 1].key < entries[i].key)) std::abort();
  }
  if (!complete) return;
  for (const lx::TDTable& section : complete->sections())
    for (const lx::TDEntry& entry : section.entries())
      if (!file.tables->find(section.name(), entry.key)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<lx::TDTables> english = lx::builtinDictionary("english");
  const std::string_view coded(reinterpret_cast<const char*>(data), size);
  checkAccepted(lx::readDictionaryBytes(coded, nullptr), nullptr);
  checkAccepted(lx::readDictionaryBytes(coded, english.get()), english.get());
  return 0;
}
