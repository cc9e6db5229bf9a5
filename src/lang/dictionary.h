// The current language dictionary: loading and switching languages, lookups
// of localized words and messages, dictionary references ("·name") in
// built-in Logo text, and the set-name pattern.
//
// All text here is internal text (code page 1250). Exactly one dictionary is
// current at a time; every Logo process reads it, and it changes only while
// no Logo code runs (start-up, loading a project).
//
// Layer: lang, above core. Dictionaries, the coded stream, built-in
// resources and the chunked container; it lends core the name comparison
// and the message templates, and knows nothing of values or the evaluator.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/name_codes.h"
#include "lang/dictionary_table.h"

namespace lx {

// Makes `language` current ("*" or empty mean English). Answers false, keeping
// the current dictionary, when it cannot be loaded. With testOnly the
// dictionary is only loaded to see that it exists.
bool selectLanguage(std::string_view language, bool testOnly = false);
bool isCurrentLanguage(std::string_view language);
// The current language's name, lower-cased ("" before the first selection).
const std::string& currentLanguage();
const TDTables* currentDictionary();

// Loads a language's dictionary: the file "<language>.ldx" in the program's
// folder first, then the built-in resource of type LDI. A file that fails
// its checks is named in a message and passed over. nullptr on failure.
std::unique_ptr<TDTables> loadDictionary(std::string_view language);
// The dictionary built into the program for `language`, or nullptr.
std::unique_ptr<TDTables> builtinDictionary(std::string_view language);
// Reads coded dictionary bytes; nullptr when they hold no usable section.
std::unique_ptr<TDTables> parseCodedDictionary(std::string_view coded);

// Runs after every change of the current dictionary (name tables re-key
// themselves, colour names refresh).
void addLanguageChangeListener(std::function<void()> listener);

// The entry section/key; "" when missing, which is reported when asked.
std::string getStr(std::string_view section, std::string_view key, bool reportMissing);

std::string localName(std::string_view internalName);
std::string localEntry(std::string_view section, std::string_view key);
std::string localEntryRaw(std::string_view section, std::string_view key);
std::string message(std::string_view key);
std::string message1(std::string_view key, std::string_view s);
std::string message2(std::string_view key, std::string_view s1, std::string_view s2);

bool isLocalName(std::string_view internalName, std::string_view word);
bool isLocalEntry(std::string_view section, std::string_view key, std::string_view word);
// True when `word` equals one of the blank-separated words of `entry`.
bool isOneOfWords(std::string_view entry, std::string_view word);

std::string resolveDictionaryWord(std::string_view word);
std::string translateLine(std::string_view text);

// The localized true and false words (their first synonyms), and all synonyms.
const std::string& trueWords();
const std::string& falseWords();
std::string firstWord(std::string_view words);
// The "usual" parameter word followed by an apostrophe.
const std::string& usualPrefix();
std::string setNameOf(std::string_view name);

// The outcome of resolving a dictionary reference ("·name", "·setname",
// "·section·key"), shared by the name codes and the translation of lines.
struct DictionaryReference {
  enum Form { Plain = 3, Set = 1, Section = 2 };
  Form form = Plain;
  bool resolved = false;
  std::string text;  // the resolved word, or the reference unchanged
};
DictionaryReference resolveReference(std::string_view reference);

}  // namespace lx
