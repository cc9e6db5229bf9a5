// Option words of saving and loading projects.
#include "app/project_save_options.h"

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "values/list.h"

namespace lx {
namespace {

struct OptionWord {
  const char* key;  // entry of the `param` section
  unsigned bit;
};

constexpr OptionWord kSaveWords[] = {{"backup", soBackup},
                                     {"readonly", soReadOnly},
                                     {"pagebg", soPageBg},
                                     {"panebg", soPaneBg},
                                     {"extraimg", soExtraImg}};
constexpr OptionWord kLoadWords[] = {
    {"startup", loStartup}, {"erased", loErased}, {"ignoreerrors", loIgnoreErrors}};

template <size_t N>
unsigned bitOf(const Value& word, const OptionWord (&words)[N]) {
  if (word->isWord()) {
    const std::string text = word->wordText();
    for (const OptionWord& option : words)
      if (isLocalEntry("param", option.key, text)) return option.bit;
  }
  throw eLogoException(erBadValue, word);
}

template <size_t N>
unsigned bitsOf(const Value& words, const OptionWord (&table)[N]) {
  const tLogoList* list = asList(*words);
  if (!list) return bitOf(words, table);
  unsigned bits = 0;
  for (const Value& word : *list) bits |= bitOf(word, table);
  return bits;
}

unsigned& recordedOptions() {
  static unsigned options = 0;
  return options;
}

}  // namespace

unsigned saveOptionsOf(const Value& words) {
  return bitsOf(words, kSaveWords);
}

std::vector<std::string> saveOptionWords(unsigned options) {
  std::vector<std::string> words;
  for (const OptionWord& option : kSaveWords)
    if (options & option.bit) words.push_back(firstWord(localEntry("param", option.key)));
  return words;
}

unsigned projectSaveOptions() {
  return recordedOptions();
}

void setProjectSaveOptions(unsigned options) {
  recordedOptions() = options;
}

unsigned loadOptionsOf(const Value& words) {
  return bitsOf(words, kLoadWords);
}

}  // namespace lx
