// Property lists and their pairs.
#include "objects/property_lists.h"

#include "interp/var_tab.h"
#include "lang/interface_dictionary.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

std::string trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

bool removesPair(const Value& value) {
  return value && value->isList() && value->isEmpty();
}

// The text of an item naming a property: a word's characters, any other
// value as it prints.
std::string propertyText(const Value& item) {
  return trimmed(item->isWord() ? item->wordText() : item->printText(0));
}

}  // namespace

tpropdesc::tpropdesc(const tTableGroup& group) : tTabDesc(0), group_(group) {
  flags = kNotSaved;
}

std::string tpropdesc::nameText() const {
  return group_.name;
}

std::string tpropdesc::definitionText() const {
  std::string text;
  group_.forEachPair([&](const dTablePair& pair) {
    if (!text.empty()) text += "\r\n";
    text += pair.property + " " + pair.value->showText();
  });
  return text;
}

const dTablePair* tTableGroup::find(const std::string& property) const {
  for (const auto& pair : pairs)
    if (pair && sameName(pair->property, property)) return &*pair;
  return nullptr;
}

void tTableGroup::put(const std::string& property, const Value& value) {
  for (auto& pair : pairs) {
    if (!pair || !sameName(pair->property, property)) continue;
    if (removesPair(value)) {
      pair.reset();
      --used;
      dropTrailingHoles();
    } else {
      pair->value = storableValue(value);
    }
    return;
  }
  if (removesPair(value)) return;
  pairs.push_back(dTablePair{property, storableValue(value)});
  ++used;
}

void tTableGroup::remove(const std::string& property) {
  put(property, tLogoList::empty());
}

void tTableGroup::dropTrailingHoles() {
  while (!pairs.empty() && !pairs.back()) pairs.pop_back();
}

tTableGroup* tlogotable::find(std::string_view list) const {
  const std::string name = trimmed(list);
  for (const auto& group : groups_)
    if (group && sameName(group->name, name)) return group.get();
  return nullptr;
}

tTableGroup& tlogotable::findOrMake(std::string_view list) {
  if (tTableGroup* group = find(list)) return *group;
  groups_.push_back(std::make_unique<tTableGroup>(trimmed(list)));
  return *groups_.back();
}

void tlogotable::dropIfEmpty(tTableGroup& group) {
  if (group.hasPairs()) return;
  for (auto& slot : groups_)
    if (slot.get() == &group) slot.reset();
  while (!groups_.empty() && !groups_.back()) groups_.pop_back();
}

void tlogotable::put(std::string_view list, std::string_view property, const Value& value) {
  if (removesPair(value) && !find(list)) return;
  tTableGroup& group = findOrMake(list);
  group.put(trimmed(property), value);
  dropIfEmpty(group);
}

Value tlogotable::get(std::string_view list, std::string_view property) const {
  const tTableGroup* group = find(list);
  const dTablePair* pair = group ? group->find(trimmed(property)) : nullptr;
  return pair ? pair->value : Value(tLogoList::empty());
}

void tlogotable::remove(std::string_view list, std::string_view property) {
  if (tTableGroup* group = find(list)) {
    group->remove(trimmed(property));
    dropIfEmpty(*group);
  }
}

Ref<tLogoList> tlogotable::pairsOf(std::string_view list) const {
  ListBuilder items;
  if (const tTableGroup* group = find(list)) {
    group->forEachPair([&](const dTablePair& pair) {
      items.add(makeWord(pair.property));
      items.add(pair.value);
    });
  }
  return items.finish();
}

void tlogotable::setPairs(std::string_view list, const tLogoList& items) {
  tTableGroup& group = findOrMake(list);
  group.pairs.clear();
  group.used = 0;
  for (auto it = items.begin(); it != items.end(); ++it) {
    auto value = it;
    if (++value == items.end()) break;
    group.put(propertyText(*it), *value);
    it = value;
  }
  dropIfEmpty(group);
}

std::vector<std::string> tlogotable::names() const {
  std::vector<std::string> result;
  for (const auto& group : groups_)
    if (group) result.push_back(group->name);
  return result;
}

std::vector<std::string> tlogotable::listing() const {
  const std::string is = interfaceLookup("strings", "is");
  std::vector<std::string> lines;
  for (const auto& group : groups_) {
    if (!group) continue;
    group->forEachPair([&](const dTablePair& pair) {
      lines.push_back(group->name + " " + pair.property + " " + is + " " + pair.value->printText());
    });
  }
  return lines;
}

}  // namespace lx
