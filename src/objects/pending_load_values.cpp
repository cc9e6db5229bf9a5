// Property values waiting for the object that takes them.
#include "objects/pending_load_values.h"

#include "lang/name_comparison.h"
#include "objects/property_table.h"

namespace lx {

void PendingLoadValues::add(std::string_view name, Value value) {
  pairs_.emplace_back(upperCase(name), std::move(value));
}

size_t PendingLoadValues::find(int propertyCode) const {
  const PropertyRow& row = propertyRow(propertyCode);
  for (size_t i = 0; i < pairs_.size(); ++i)
    for (const std::string& synonym : row.synonyms)
      if (pairs_[i].first == upperCase(synonym)) return i;
  return pairs_.size();
}

Value PendingLoadValues::take(int propertyCode) {
  const size_t at = find(propertyCode);
  if (at == pairs_.size()) return nullptr;
  Value value = std::move(pairs_[at].second);
  pairs_.erase(pairs_.begin() + static_cast<std::ptrdiff_t>(at));
  return value;
}

Value PendingLoadValues::peek(int propertyCode) const {
  const size_t at = find(propertyCode);
  return at == pairs_.size() ? nullptr : pairs_[at].second;
}

PendingLoadValues& pendingLoadValues() {
  static PendingLoadValues values;
  return values;
}

}  // namespace lx
