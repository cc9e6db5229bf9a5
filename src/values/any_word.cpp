// Recognising the language's "any" word.
#include "values/any_word.h"

#include <string>

#include "lang/dictionary.h"
#include "lang/name_comparison.h"

namespace lx {
namespace {

// Looked up once per language: the test runs on every number conversion of
// a text word.
struct AnyWord {
  std::string language;
  std::string word;
};

const std::string& anyWord() {
  static AnyWord cached;
  if (cached.language != currentLanguage() || cached.word.empty()) {
    cached.language = currentLanguage();
    const std::string local = currentDictionary() ? localEntryRaw("dict", "any") : "";
    cached.word = local.empty() ? "any" : local;
  }
  return cached.word;
}

}  // namespace

bool isTheAnyWord(std::string_view text) {
  return text.size() == anyWord().size() && namesEqual(text, anyWord());
}

}  // namespace lx
