// Where the variables of names were found last by one thread, outside the
// local scope: the current object's variable or the global one. Every `:x`
// and every `make` asks, and walking the current object's variable chain
// for each would cost more than the rest of the instruction. An entry is
// trusted only in the lookup epoch it was made in (interp/lookup_epoch.h)
// and for the same current object; every change that can move a name to
// another descriptor — a variable made or erased in any table, a chain
// rebuilt, an object erased, other global tables installed — moves the
// epoch. The object is held, so that its address cannot be reused by
// another object while an entry remembers it.
#pragma once

#include <array>
#include <cstdint>

#include "core/name_codes.h"
#include "core/value.h"

namespace lx {

class tLogoVarDesc;

class VariableBindings {
 public:
  struct Entry {
    uint64_t epoch = 0;  // 0: nothing remembered
    NameCode name = 0;
    Value object;
    tLogoVarDesc* desc = nullptr;
    // For property commands: the object holding the property (the current
    // object or one it stands on), which the object's links keep alive.
    tlogoobject* holder = nullptr;
  };

  // What `name` was found to be for `object` in lookup epoch `epoch`, or
  // nullptr when nothing was remembered for them then.
  const Entry* remembered(NameCode name, uint64_t epoch, const Value& object) const {
    const Entry& entry = entries_[name % kBindingSlots];
    return entry.epoch == epoch && entry.name == name && entry.object == object ? &entry : nullptr;
  }
  // Remembers an answer, in place of whatever its slot held.
  void remember(Entry entry) { entries_[entry.name % kBindingSlots] = std::move(entry); }

  void forgetAll() { entries_ = {}; }

 private:
  // Direct-mapped: a loop uses a handful of names, and codes are dense.
  static constexpr size_t kBindingSlots = 64;
  std::array<Entry, kBindingSlots> entries_;
};

}  // namespace lx
