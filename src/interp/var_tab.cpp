// Variable descriptors and variable tables.
#include "interp/var_tab.h"

#include "core/logo_exception.h"

namespace lx {

Value storableValue(Value value) {
  if (!value || !value->pooled) return value;
  // The only holder hands the instance over: it leaves its pool instead of
  // being copied (a copy per parameter bound would cost an allocation).
  if (value->refCount == 1) {
    value->pooled = false;
    return value;
  }
  return value->copy();
}

std::string tLogoVarDesc::definitionText() const { return value ? value->showText() : std::string(); }

void tLogoVarTab::store(tLogoVarDesc& entry, Value value, uint8_t flags) {
  entry.flags = static_cast<uint8_t>((entry.flags & ~kNotSavedUntilSet) | (flags & kNotSavedUntilSet));
  if (entry.value && value && entry.value->absorb(*value)) return;
  entry.value = storableValue(std::move(value));
}

void tLogoVarTab::setValue(NameCode code, Value value, uint8_t flags) {
  if (auto* entry = variable(code)) {
    store(*entry, std::move(value), flags);
    return;
  }
  auto entry = makeEntry(code, storableValue(std::move(value)));
  entry->flags = flags;
  add(std::move(entry));
}

void tLogoVarTab::setPlain(NameCode code, Value value) {
  if (auto* entry = variable(code)) {
    entry->value = storableValue(std::move(value));
    return;
  }
  add(makeEntry(code, storableValue(std::move(value))));
}

void tLogoVarTab::setIfDifferent(NameCode code, Value value) {
  if (auto* entry = variable(code); entry && entry->value && value && entry->value->equalsExact(*value)) return;
  setPlain(code, std::move(value));
}

Value tLogoVarTab::value(NameCode code) const {
  const tLogoVarDesc* entry = variable(code);
  if (!entry || !entry->value) failFind(code);
  return entry->value;
}

Value tLogoVarTab::valueOrNull(NameCode code) const {
  const tLogoVarDesc* entry = variable(code);
  return entry ? entry->value : nullptr;
}

}  // namespace lx
