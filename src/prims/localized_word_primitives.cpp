// The language's "any" word and its colour names, and looking words up in
// the language dictionary.
#include "prims/localized_word_primitives.h"

#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/dictionary.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value anyRoutine() {
  return makeWord(localName("any"));
}

// The colour names a project can count on, as the language spells them:
// white and black, then the sixteen colour families in the order of the
// colour table. Keys of the dictionary's "colors" section.
constexpr const char* kColourKeys[] = {
    "white",     "black", "magenta", "pink",   "purple", "darkBlue", "blue",    "paleBlue", "cyan",
    "darkGreen", "green", "olive",   "yellow", "orange", "taupe",    "paleRed", "red",      "grey",
};

Value lumaxiscoloursRoutine() {
  ListBuilder names;
  for (const char* key : kColourKeys) names.add(makeWord(localEntry("colors", key)));
  return names.finish();
}

// The first spelling of the entry `key` of `section`; a word beginning with
// the dictionary mark is resolved as built-in text resolves it; a word
// without an entry stays as it is.
std::string translated(const std::string& key, const std::string& section) {
  if (!key.empty() && static_cast<unsigned char>(key.front()) == 0xB7) return resolveDictionaryWord(key);
  const std::string entry = localEntryRaw(section, key);
  return entry.empty() ? key : entry;
}

// .translate key section, or (.translate key) in the section of the names
// of procedures: a word's spelling in the current language, or a list of
// the spellings of a list's words.
Value translateRoutine(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 1) throw eLogoException(erNotEnoughInputs);
  if (count > 2) throw eLogoException(erTooManyInputs);
  const std::string section = count == 2 ? inputs[1]->wordText() : std::string("dict");
  const tLogoList* words = asList(*inputs[0]);
  if (!words) return makeWord(translated(inputs[0]->printText(0), section));
  ListBuilder spellings;
  for (const Value& word : *words) spellings.add(makeWord(translated(word->printText(0), section)));
  return spellings.finish();
}

// .keyword? word section key: whether the word is one of the entry's
// spellings, compared as the language compares names.
Value keywordRoutine(const Value& word, const Value& section, const Value& key) {
  return makeBool(isLocalEntry(section->wordText(), key->wordText(), word->printText(0)));
}

}  // namespace

void registerLocalizedWordPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "any", false, anyRoutine);
  registerPrimitive<tMainPasProcDesc0p>(table, "lumaxiscolours", false, lumaxiscoloursRoutine);
  registerPrimitive<tMainPasProcDesc>(table, ".translate", false, 2u, translateRoutine);
  registerPrimitive<tMainPasProcDesc3p>(table, ".keyword?", false, keywordRoutine);
}

}  // namespace lx
