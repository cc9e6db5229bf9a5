// The table of drawing words, made from the current dictionary at first use
// and made again after the language changes.
#include "graphics/drawing_vocabulary.h"

#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "core/name_codes.h"
#include "objects/property_table.h"

namespace lx {
namespace {

// Commands spelled as the turtle commands of the same internal name.
constexpr std::pair<const char*, DrawCode> kCommandWords[] = {
    {"penup", DrawCode::PenUp},
    {"pendown", DrawCode::PenDown},
    {"polygon", DrawCode::Polygon},
    {"circle", DrawCode::Circle},
    {"ellipse", DrawCode::Ellipse},
    {"filledcircle", DrawCode::FilledCircle},
    {"filledellipse", DrawCode::FilledEllipse},
    {"dot", DrawCode::Dot},
    {"point", DrawCode::Point},
    {"outline", DrawCode::Outline},
    {"drawspline", DrawCode::DrawSpline},
    {"drawvectors", DrawCode::DrawVectors},
    {"label", DrawCode::Label},
    {"label2", DrawCode::Label2},
    {"forward", DrawCode::Forward},
    {"back", DrawCode::Back},
    {"right", DrawCode::Right},
    {"left", DrawCode::Left},
    {"repeat", DrawCode::Repeat},
};

// Commands spelled as the set-commands of a turtle property (by its code).
constexpr std::pair<int, DrawCode> kSetterWords[] = {
    {47, DrawCode::PenColour},  {44, DrawCode::FillColour}, {45, DrawCode::FillPattern},
    {48, DrawCode::PenWidth},   {49, DrawCode::PenPattern}, {4, DrawCode::SetPos},
    {40, DrawCode::SetHeading}, {57, DrawCode::Font},
};

struct Vocabulary {
  std::mutex lock;
  bool listening = false;
  bool filled = false;
  std::unordered_map<std::string, DrawCode> byKey;  // nameKey of every spelling
};

Vocabulary& vocabulary() {
  static Vocabulary table;
  return table;
}

void addSpellings(Vocabulary& table, std::string_view words, DrawCode code) {
  size_t start = 0;
  while (start < words.size()) {
    size_t end = words.find(' ', start);
    if (end == std::string_view::npos) end = words.size();
    if (end > start) table.byKey.emplace(nameKey(words.substr(start, end - start)), code);
    start = end + 1;
  }
}

// Fills the table (its lock held). The first command to claim a spelling
// keeps it.
void fill(Vocabulary& table) {
  table.byKey.clear();
  for (const auto& [internalName, code] : kCommandWords) {
    const std::string words = getStr("dict", internalName, false);
    addSpellings(table, words.empty() ? std::string(internalName) : words, code);
  }
  for (const auto& [property, code] : kSetterWords)
    for (NameCode name : propertySetterCodes(property)) addSpellings(table, nameOf(name), code);
  // Before the property table is filled the set-commands are missing: the
  // table is made again at the next lookup.
  table.filled = isPropertyCode(kSetterWords[0].first);
}

}  // namespace

std::optional<DrawCode> drawCodeOf(std::string_view word) {
  Vocabulary& table = vocabulary();
  std::lock_guard<std::mutex> held(table.lock);
  if (!table.listening) {
    // Languages change only while no Logo code runs, so the listener never
    // races a lookup.
    addLanguageChangeListener([] { vocabulary().filled = false; });
    table.listening = true;
  }
  if (!table.filled) fill(table);
  const auto found = table.byKey.find(nameKey(word));
  if (found == table.byKey.end()) return std::nullopt;
  return found->second;
}

std::string drawWordOf(DrawCode code) {
  for (const auto& [internalName, listed] : kCommandWords)
    if (listed == code) return localName(internalName);
  for (const auto& [property, listed] : kSetterWords)
    if (listed == code) {
      const std::vector<NameCode> names = propertySetterCodes(property);
      return names.empty() ? std::string() : nameOf(names.front());
    }
  return {};
}

}  // namespace lx
