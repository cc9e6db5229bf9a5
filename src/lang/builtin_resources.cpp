// Lookup of the built-in resources by type and name.
#include "lang/builtin_resources.h"

#include "lang/dictionary_table.h"

namespace lx {

// Defined by the file the resource encoder writes at build time.
extern const BuiltinResource kBuiltinResources[];
extern const size_t kBuiltinResourceCount;

std::span<const BuiltinResource> builtinResources() {
  return {kBuiltinResources, kBuiltinResourceCount};
}

const BuiltinResource* findBuiltinResource(std::string_view type, std::string_view name) {
  const std::string wantedType = asciiLower(type);
  const std::string wantedName = asciiLower(name);
  for (const BuiltinResource& r : builtinResources())
    if (asciiLower(r.type) == wantedType && asciiLower(r.name) == wantedName) return &r;
  return nullptr;
}

}  // namespace lx
