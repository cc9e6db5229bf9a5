// Pending load values: property values given by name while a project is
// loaded, waiting for the object that takes them. Each object made during
// the load takes out the values of its properties; a value is taken once.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "core/value.h"

namespace lx {

class PendingLoadValues {
 public:
  // Adds a (name, value) pair; names compare without regard to letter case.
  void add(std::string_view name, Value value);
  // The value of the first pair named by one of the property's localized
  // names, removed; none when no pair names the property.
  Value take(int propertyCode);
  // The same without removing it.
  Value peek(int propertyCode) const;
  bool empty() const { return pairs_.empty(); }
  void clear() { pairs_.clear(); }

 private:
  size_t find(int propertyCode) const;
  std::vector<std::pair<std::string, Value>> pairs_;  // upper-cased name, value
};

// The values of the load that is running (the loader fills them); used
// under the interpreter lock.
PendingLoadValues& pendingLoadValues();

}  // namespace lx
