// Filling the property table from the dictionary.
#include "objects/property_table.h"

#include <array>
#include <sstream>
#include <unordered_map>

#include "lang/dictionary.h"

namespace lx {
namespace {

// The internal name of each property code, by code; none for code 29.
constexpr std::array<const char*, kLastPropertyCode + 1> kInternalNames = [] {
  std::array<const char*, kLastPropertyCode + 1> names{};
#define LX_PROPERTY_NAME(code, enumerator, name) names[code] = name;
  LX_PROPERTY_CODES(LX_PROPERTY_NAME)
#undef LX_PROPERTY_NAME
  return names;
}();

std::array<PropertyRow, kPropertyRows>& rows() {
  static std::array<PropertyRow, kPropertyRows> table;
  return table;
}

// Each localized name to the first property it names.
std::unordered_map<NameCode, int>& propertyByName() {
  static std::unordered_map<NameCode, int> map;
  return map;
}

std::vector<std::string> splitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string joined(const std::vector<std::string>& words, size_t from, bool asSetNames) {
  std::string text;
  for (size_t i = from; i < words.size(); ++i) {
    if (!text.empty()) text += ' ';
    text += asSetNames ? setNameOf(words[i]) : words[i];
  }
  return text;
}

// Puts `front` before `rest`, with a blank between when both have words.
std::string prepend(const std::string& front, const std::string& rest) {
  if (front.empty()) return rest;
  return rest.empty() ? front : front + " " + rest;
}

void fillRow(PropertyRow& row, const char* internalName) {
  row = PropertyRow{};
  row.internalName = internalName;
  row.setNames = getStr("set", internalName, false);
  row.getNames = getStr("get", internalName, false);
  std::vector<std::string> names = splitWords(getStr("dict", internalName, false));
  if (names.empty()) names.push_back(internalName);
  row.synonyms = names;
  if (names.size() > 1) {
    row.getNames = prepend(joined(names, 1, false), row.getNames);
    row.setNames = prepend(joined(names, 1, true), row.setNames);
  }
  row.nameCode = codeOf(names.front());
  row.setNameCode = codeOf(setNameOf(names.front()));
}

std::vector<NameCode> codesOf(NameCode first, const std::string& more) {
  std::vector<NameCode> codes{first};
  for (const std::string& word : splitWords(more)) codes.push_back(codeOf(word));
  return codes;
}

}  // namespace

void fillPropertyTable() {
  for (PropertyRow& row : rows()) row = PropertyRow{};
  propertyByName().clear();
  for (size_t code = 0; code < kInternalNames.size(); ++code) {
    if (!kInternalNames[code]) continue;
    PropertyRow& row = rows()[code];
    fillRow(row, kInternalNames[code]);
    for (const std::string& synonym : row.synonyms)
      propertyByName().emplace(codeOf(synonym), static_cast<int>(code));
  }
}

const PropertyRow& propertyRow(int code) {
  static const PropertyRow unassigned;
  if (code < 0 || code >= kPropertyRows) return unassigned;
  return rows()[static_cast<size_t>(code)];
}

bool isPropertyCode(int code) {
  return propertyRow(code).assigned();
}

int propertyCodeNamed(NameCode name) {
  const auto found = propertyByName().find(name);
  return found == propertyByName().end() ? -1 : found->second;
}

NameCode canonicalPropertyName(NameCode name) {
  const int code = propertyCodeNamed(name);
  return code < 0 ? name : propertyRow(code).nameCode;
}

std::vector<NameCode> propertyGetterCodes(int code) {
  const PropertyRow& row = propertyRow(code);
  return row.assigned() ? codesOf(row.nameCode, row.getNames) : std::vector<NameCode>{};
}

std::vector<NameCode> propertySetterCodes(int code) {
  const PropertyRow& row = propertyRow(code);
  return row.assigned() ? codesOf(row.setNameCode, row.setNames) : std::vector<NameCode>{};
}

}  // namespace lx
