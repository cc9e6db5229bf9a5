// Looking instruments up by their names.
#include "media/instrument_names.h"

#include <string>
#include <vector>

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/dictionary_table.h"
#include "lang/name_comparison.h"
#include "values/pools.h"

namespace lx {
namespace {

// The names of one entry: blank-separated words, a name of several words
// in brackets, each folded to lower case with single blanks inside.
std::vector<std::string> namesOf(std::string_view entry) {
  std::vector<std::string> names;
  std::string current;
  bool bracketed = false;
  auto finish = [&] {
    if (!current.empty()) names.push_back(lowerCase(current));
    current.clear();
  };
  for (char c : entry) {
    if (c == '[') {
      finish();
      bracketed = true;
    } else if (c == ']') {
      finish();
      bracketed = false;
    } else if (c == ' ' || c == '\t') {
      if (!bracketed)
        finish();
      else if (!current.empty() && current.back() != ' ')
        current += ' ';
    } else {
      current += c;
    }
  }
  finish();
  for (std::string& name : names)
    while (!name.empty() && name.back() == ' ') name.pop_back();
  return names;
}

bool entryHolds(std::string_view key, const std::string& name) {
  for (const std::string& candidate : namesOf(getStr("InstrumentNames", key, false)))
    if (candidate == name) return true;
  return false;
}

int numberFromName(std::string_view text, int highest) {
  // A name of several words may be written as the dictionary writes it,
  // in brackets ("I[church organ]" in a melody).
  std::string_view bare = trimBlanks(text);
  if (bare.size() >= 2 && bare.front() == '[' && bare.back() == ']')
    bare = trimBlanks(bare.substr(1, bare.size() - 2));
  const std::string name = lowerCase(bare);
  static constexpr std::pair<const char*, int> kFamilies[] = {{"piano", 0}, {"guitar", 25}, {"organ", 16}};
  for (const auto& [key, program] : kFamilies)
    if (entryHolds(key, name)) return program;
  for (int program = 0; program <= highest; ++program)
    if (entryHolds(std::to_string(program), name)) return program;
  throw eLogoException::withWord(erBadValue, text);
}

}  // namespace

int instrumentNumber(const Value& instrument, int highest) {
  if (instrument->isNumber()) return instrument->asIntegerIn(0, highest);
  if (!instrument->isWord()) throw eLogoException(erBadValue, instrument);
  return numberFromName(instrument->wordText(), highest);
}

int instrumentNumber(std::string_view text, int highest) {
  const std::string_view trimmed = trimBlanks(text);
  if (trimmed.empty()) throw eLogoException::withWord(erBadValue, text);
  if (trimmed.find_first_not_of("0123456789") == std::string_view::npos) {
    const long number = trimmed.size() > 6 ? 1000000 : std::stol(std::string(trimmed));
    if (number > highest) throw eLogoException(erMinMax, 0, highest, makeWord(trimmed));
    return static_cast<int>(number);
  }
  return numberFromName(trimmed, highest);
}

}  // namespace lx
