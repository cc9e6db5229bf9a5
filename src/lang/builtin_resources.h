// The resources built into the program: dictionaries, the interface
// dictionary blocks and the built-in Logo library, each stored in the coded
// stream form and found by type and name, as a packed program finds its own.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace lx {

struct BuiltinResource {
  const char* type;            // upper case: "LDI", "LAF", ...
  const char* name;            // upper case: "ENGLISH", ...
  const unsigned char* data;   // coded bytes
  size_t size;
};

// Every built-in resource, in the order the build listed them.
std::span<const BuiltinResource> builtinResources();

// The resource of that type and name (compared without regard to ASCII
// letter case), or nullptr.
const BuiltinResource* findBuiltinResource(std::string_view type, std::string_view name);

}  // namespace lx
