// The current language dictionary and the lookups built on it.
#include "lang/dictionary.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "core/logo_exception.h"
#include "core/value.h"
#include "lang/builtin_resources.h"
#include "lang/coded_stream.h"
#include "lang/dictionary_file.h"
#include "lang/interface_dictionary.h"
#include "lang/name_comparison.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

// The layers below the language borrow its comparison of names, its
// dictionary references and its messages; they are lent once, as the
// program starts.
std::string resolveNameReference(std::string_view reference, bool& resolved) {
  DictionaryReference found = resolveReference(reference);
  resolved = found.resolved;
  return std::move(found.text);
}

[[maybe_unused]] const bool lentToCore = [] {
  setNameLanguage({nameKey, resolveNameReference});
  setInstanceDescription([](std::string_view className) { return message1("anistanceof", className); });
  setErrorTemplateSource([](errorConst code) { return interfaceLookup("errors", errorName(code)); });
  return true;
}();

}  // namespace
namespace {

// The state of the current language. It changes only while no Logo code runs.
struct LanguageState {
  std::unique_ptr<TDTables> tables;
  std::string language;
  std::string trueWords = "true";
  std::string falseWords = "false";
  std::string usualPrefix = "usual'";
  std::string setPrefix = "set";
  std::string setSuffix;
  std::vector<std::function<void()>> listeners;
};

LanguageState& state() {
  static LanguageState s;
  return s;
}

std::string normalisedLanguage(std::string_view language) {
  if (language.empty() || language == "*") return "english";
  return asciiLower(language);
}

void report(std::string_view text) { showMessageBox("Logo", text); }

// The file "<language>.ldx" beside the program, its name matched without
// regard to letter case since dictionaries are often copied between systems.
std::optional<std::filesystem::path> findLdxFile(const std::string& language) {
  const std::string wanted = language + ".ldx";
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(programDirectory(), ec)) {
    if (asciiLower(entry.path().filename().string()) == wanted && entry.is_regular_file(ec))
      return entry.path();
  }
  return std::nullopt;
}

// The file's dictionary, or nullptr when there is no file or it is refused;
// a refused file is named with the reason. A file standing in for a built-in
// dictionary must hold all of its entries, so a cut or damaged copy does not
// leave words missing.
std::unique_ptr<TDTables> loadLdxFile(const std::string& language, const TDTables* builtin) {
  const auto path = findLdxFile(language);
  if (!path) return nullptr;
  DictionaryFile file = readDictionaryFile(*path, builtin);
  if (!file.tables) {
    report("The dictionary file " + utf8ToCp1250(path->string()).text + " cannot be used: " +
           utf8ToCp1250(file.problem).text + (builtin ? ". The built-in dictionary is used instead." : "."));
  }
  return std::move(file.tables);
}

void readLanguageSettings(LanguageState& s) {
  auto entryOr = [&s](std::string_view section, std::string_view key, std::string fallback) {
    const std::string* value = s.tables->find(section, key);
    return value && !value->empty() ? *value : fallback;
  };
  s.trueWords = entryOr("other", "true", "true");
  s.falseWords = entryOr("other", "false", "false");
  s.usualPrefix = entryOr("param", "usual", "usual") + "'";
  const std::string pattern = entryOr("system", "setfix", "");
  const size_t star = pattern.find('*');
  s.setPrefix = pattern.substr(0, star);
  s.setSuffix = star == std::string::npos ? "" : pattern.substr(star + 1);
  const std::string* ansi = s.tables->find("system", "ansi");
  setNameComparisonMode(ansi && !ansi->empty() ? NameComparisonMode::Fold : NameComparisonMode::Locale);
}

std::string cutAtBlank(std::string_view text) {
  const size_t blank = text.find(' ');
  return std::string(blank == std::string_view::npos ? text : text.substr(0, blank));
}

std::string atName(std::string_view name) { return "@" + std::string(name) + "@"; }

void replaceFirstCaseless(std::string& text, std::string_view placeholder, std::string_view with) {
  const std::string lowered = asciiLower(text);
  const size_t at = lowered.find(asciiLower(placeholder));
  if (at != std::string::npos) text.replace(at, placeholder.size(), with);
}

bool isDictionaryWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '!' ||
         c == '.' || c == '?' || c == '_' || c == static_cast<unsigned char>(kDictionaryMark);
}

}  // namespace

std::unique_ptr<TDTables> parseCodedDictionary(std::string_view coded) {
  auto tables = std::make_unique<TDTables>();
  tables->parse(decodeCoded(coded));
  if (tables->empty()) return nullptr;
  return tables;
}

std::unique_ptr<TDTables> builtinDictionary(std::string_view language) {
  const BuiltinResource* resource = findBuiltinResource("LDI", normalisedLanguage(language));
  if (!resource) return nullptr;
  return parseCodedDictionary({reinterpret_cast<const char*>(resource->data), resource->size});
}

std::unique_ptr<TDTables> loadDictionary(std::string_view language) {
  const std::string name = normalisedLanguage(language);
  std::unique_ptr<TDTables> builtin = builtinDictionary(name);
  if (auto fromFile = loadLdxFile(name, builtin.get())) return fromFile;
  return builtin;
}

bool selectLanguage(std::string_view language, bool testOnly) {
  LanguageState& s = state();
  const std::string name = normalisedLanguage(language);
  if (s.tables && name == s.language) return true;
  auto tables = loadDictionary(name);
  if (!tables) return false;
  if (testOnly) return true;
  s.tables = std::move(tables);
  s.language = name;
  readLanguageSettings(s);
  rekeyNameCodes();
  for (auto& listener : s.listeners) listener();
  return true;
}

bool isCurrentLanguage(std::string_view language) { return normalisedLanguage(language) == state().language; }

const std::string& currentLanguage() { return state().language; }

const TDTables* currentDictionary() { return state().tables.get(); }

void addLanguageChangeListener(std::function<void()> listener) {
  state().listeners.push_back(std::move(listener));
}

std::string getStr(std::string_view section, std::string_view key, bool reportMissing) {
  const TDTables* tables = state().tables.get();
  if (!tables) {
    report("Internal error - Dictionary not initialised in getStr");
    std::exit(EXIT_FAILURE);
  }
  if (const std::string* value = tables->find(section, key)) return *value;
  if (reportMissing)
    report("Translation Error - Unknown language string: " + std::string(section) + "-" + std::string(key));
  return "";
}

std::string localName(std::string_view internalName) {
  const std::string word = cutAtBlank(getStr("dict", internalName, true));
  return word.empty() ? atName(internalName) : word;
}

std::string localEntry(std::string_view section, std::string_view key) {
  const std::string word = cutAtBlank(getStr(section, key, false));
  return word.empty() ? atName(key) : word;
}

std::string localEntryRaw(std::string_view section, std::string_view key) {
  return cutAtBlank(getStr(section, key, false));
}

std::string message(std::string_view key) {
  std::string text = getStr("text", key, false);
  if (text.empty()) return atName(key);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 'N')) {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string message1(std::string_view key, std::string_view s) {
  std::string text = message(key);
  replaceFirstCaseless(text, "%s", s);
  return text;
}

std::string message2(std::string_view key, std::string_view s1, std::string_view s2) {
  std::string text = message(key);
  replaceFirstCaseless(text, "%s1", s1);
  replaceFirstCaseless(text, "%s2", s2);
  return text;
}

bool isOneOfWords(std::string_view entry, std::string_view word) {
  size_t start = 0;
  while (start < entry.size()) {
    size_t end = entry.find(' ', start);
    if (end == std::string_view::npos) end = entry.size();
    if (end > start && namesEqual(entry.substr(start, end - start), word)) return true;
    start = end + 1;
  }
  return false;
}

bool isLocalEntry(std::string_view section, std::string_view key, std::string_view word) {
  return isOneOfWords(getStr(section, key, false), resolveDictionaryWord(word));
}

bool isLocalName(std::string_view internalName, std::string_view word) {
  return isLocalEntry("dict", internalName, word);
}

DictionaryReference resolveReference(std::string_view reference) {
  DictionaryReference result;
  result.text = std::string(reference);
  const std::string_view body = reference.substr(1);
  const size_t secondMark = body.find(kDictionaryMark);
  if (std::string plain = localEntryRaw("dict", body); !plain.empty() && secondMark == std::string_view::npos) {
    result.resolved = true;
    result.text = plain;
  } else if (body.size() > 3 && asciiLower(body.substr(0, 3)) == "set" && secondMark == std::string_view::npos) {
    result.form = DictionaryReference::Set;
    if (std::string rest = localEntryRaw("dict", body.substr(3)); !rest.empty()) {
      result.resolved = true;
      result.text = setNameOf(rest);
    }
  } else if (secondMark != std::string_view::npos) {
    result.form = DictionaryReference::Section;
    if (std::string entry = localEntryRaw(body.substr(0, secondMark), body.substr(secondMark + 1)); !entry.empty()) {
      result.resolved = true;
      result.text = entry;
    }
  }
  return result;
}

std::string resolveDictionaryWord(std::string_view word) {
  if (word.size() < 2 || word.front() != kDictionaryMark) return std::string(word);
  const size_t apostrophe = word.find('\'');
  const std::string_view reference = word.substr(0, apostrophe);
  const std::string_view tail = apostrophe == std::string_view::npos ? "" : word.substr(apostrophe);
  const DictionaryReference resolved = resolveReference(reference);
  return resolved.text + std::string(tail);
}

std::string translateLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != kDictionaryMark) {
      out += text[i++];
      continue;
    }
    size_t end = i + 1;
    while (end < text.size() && isDictionaryWordByte(static_cast<unsigned char>(text[end]))) ++end;
    const std::string_view reference = text.substr(i, end - i);
    if (reference.size() < 2) {
      out += reference;
    } else {
      const DictionaryReference resolved = resolveReference(reference);
      if (!resolved.resolved)
        report("word???" + std::to_string(static_cast<int>(resolved.form)) + " " + std::string(reference));
      out += resolved.text;
    }
    i = end;
  }
  return out;
}

const std::string& trueWords() { return state().trueWords; }
const std::string& falseWords() { return state().falseWords; }
const std::string& usualPrefix() { return state().usualPrefix; }

std::string firstWord(std::string_view words) { return cutAtBlank(words); }

std::string setNameOf(std::string_view name) { return state().setPrefix + std::string(name) + state().setSuffix; }

}  // namespace lx
