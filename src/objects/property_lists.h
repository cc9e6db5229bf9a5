// Property lists: named lists of (property, value) pairs that a Logo
// program keeps besides objects (`pprop`, `gprop`, `plist`...). List names
// and property names are trimmed of blanks and compared without regard to
// ASCII letter case. A list that loses its last pair disappears.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interp/tab_desc.h"
#include "values/list.h"

namespace lx {

class tTableGroup;

// One pair of a property list.
struct dTablePair {
  std::string property;
  Value value;
};

// The descriptor that shows a property list in a symbol table: one line
// per pair, the property name, a blank and the value in readable form.
class tpropdesc : public tTabDesc {
 public:
  explicit tpropdesc(const tTableGroup& group);
  std::string definitionText() const override;
  std::string nameText() const override;

 private:
  const tTableGroup& group_;
};

// One property list. Removing a pair leaves a hole; holes at the end are dropped.
class tTableGroup {
 public:
  explicit tTableGroup(std::string name) : name(std::move(name)), desc(*this) {}

  const dTablePair* find(const std::string& property) const;
  // Replaces, appends, or (for the empty list as value) removes the pair.
  void put(const std::string& property, const Value& value);
  void remove(const std::string& property);
  bool hasPairs() const { return used > 0; }
  template <class Visit>
  void forEachPair(Visit visit) const {
    for (const auto& pair : pairs)
      if (pair) visit(*pair);
  }

  std::string name;
  std::vector<std::optional<dTablePair>> pairs;
  size_t used = 0;  // pairs that are not holes
  tpropdesc desc;

 private:
  void dropTrailingHoles();
};

// Every property list of the main object.
class tlogotable {
 public:
  // `pprop`: sets a property (the empty list as value removes it).
  void put(std::string_view list, std::string_view property, const Value& value);
  // `gprop`: the value, or the empty list when the list or property is missing.
  Value get(std::string_view list, std::string_view property) const;
  // `remprop`.
  void remove(std::string_view list, std::string_view property);
  // `plist`: [property value property value ...], the empty list when missing.
  Ref<tLogoList> pairsOf(std::string_view list) const;
  // `setplist`: the list's pairs become the given ones, taken two items at a
  // time (a last unpaired item is ignored).
  void setPairs(std::string_view list, const tLogoList& items);
  // `props`: the names of the lists, in the order they were made.
  std::vector<std::string> names() const;
  // `pps`: one line per pair of every list: list, property, "is", value.
  std::vector<std::string> listing() const;
  void clear() { groups_.clear(); }

 private:
  tTableGroup* find(std::string_view list) const;
  tTableGroup& findOrMake(std::string_view list);
  // Removes the list when it has no pairs left.
  void dropIfEmpty(tTableGroup& group);

  std::vector<std::unique_ptr<tTableGroup>> groups_;  // holes are null
};

}  // namespace lx
