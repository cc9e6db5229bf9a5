// Registering the system's own procedures: one descriptor for every
// localized spelling of an internal name, so that Logo code finds them by
// any of their names exactly as it finds procedures written in Logo.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "interp/logo_tab.h"
#include "interp/primitive_runs.h"

namespace lx {

// The codes of every localized spelling of `internalName`: the
// blank-separated words of its `dict` entry, or "@name@" without one. An
// internal name beginning "set*" or "*" gives the set-names of the
// spellings of the rest.
std::vector<NameCode> localizedCodes(std::string_view internalName);

// Adds one descriptor per spelling, each marked built in.
template <class Desc, class... Args>
void registerPrimitive(tLogoTab& table, std::string_view internalName, const Args&... args) {
  for (NameCode code : localizedCodes(internalName)) {
    auto desc = std::make_unique<Desc>(code, args...);
    desc->flags |= kBuiltIn;
    desc->runSlot = primitiveRunSlot(internalName);
    table.add(std::move(desc));
  }
}

// Adds one descriptor under exactly `text`, the same in every language
// (the operators and a few device names).
template <class Desc, class... Args>
void registerLiteral(tLogoTab& table, std::string_view text, const Args&... args) {
  auto desc = std::make_unique<Desc>(codeOf(text), args...);
  desc->flags |= kBuiltIn;
  desc->runSlot = primitiveRunSlot(text);
  table.add(std::move(desc));
}

}  // namespace lx
