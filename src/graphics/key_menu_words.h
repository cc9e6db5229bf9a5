// The value of an object's `keyMenu`: key words, each group followed by
// the instruction list the keys run, [f1 shift.up [...] a ctrl.a [...]].
// A key word is a character as typed ("a", "A", "+"), or modifier prefixes
// ("shift.", "ctrl.", "alt.") before a letter-like character or a key's
// name ("f1", "enter", "space"); "off." in front binds the key's release.
#pragma once

#include <string>
#include <vector>

#include "core/value.h"
#include "graphics/logo_key.h"

namespace lx {

// A named-key index that matches every key.
inline constexpr uint8_t kAnyKey = 3;

struct KeyBinding {
  LogoKey key;
  Value instructions;  // none: the key is bound to nothing to run
};

// The key a key word binds; error 141 naming the word when it binds none.
LogoKey parseKeyWord(const std::string& word);

// The bindings of a `keyMenu` value, in order: error 6 when it is not a
// list, 10 for key words without a list after them or elements that are
// neither words nor lists, 141 for a word that names no key.
std::vector<KeyBinding> parseKeyMenu(const Value& value);

// Whether a binding's key matches a key that was pressed or released.
bool keyMatches(const LogoKey& bound, const LogoKey& key);

}  // namespace lx
