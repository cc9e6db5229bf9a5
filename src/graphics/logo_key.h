// A key as Logo sees it: pressed or released, a named key (the keys without
// a character: function keys, arrows, Enter...) or a character, and the
// modifiers held. Made from the platform's key input with the system's
// normalisation, written as the key words of key menus ("a", "ctrl.a",
// "shift.f1", "space"), and as the character or number that the
// key-reading primitives output.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/input_event.h"

namespace lx {

// Indices of the named keys; 0 for a character key.
inline constexpr uint8_t kFirstNamedKey = 59;  // f1
inline constexpr uint8_t kLastNamedKey = 87;   // esc

struct LogoKey {
  bool release = false;
  uint8_t named = 0;  // kFirstNamedKey..kLastNamedKey, or 0 for a character
  Modifiers modifiers = kNoModifiers;
  unsigned char character = 0;  // for a character key, internal text
  bool operator==(const LogoKey&) const = default;
};

// The key of a key press or release; none for the modifier keys themselves
// and for keys that are neither named nor give a character. A character
// below 32 loses Ctrl, an upper-case letter with Shift alone loses Shift,
// and with any modifier a lower-case letter is upper-cased.
std::optional<LogoKey> logoKeyOf(const KeyEvent& event);

// The internal name of a named key ("f1", "enter"...), or "" for none.
const char* namedKeyName(uint8_t index);

// The key word in the current language: a character as itself (a control
// character as "ctrl." and its letter, the blank as the `space` word) with
// the "ctrl." and "alt." prefixes of the modifiers held; a named key by its
// name with the "shift.", "ctrl." and "alt." prefixes.
std::string keyWord(const LogoKey& key);

// The character a key types, 0 for none: its character, or for Enter, Tab,
// Backspace and Esc their control characters.
unsigned char keyCharacter(const LogoKey& key);

// A number for every key: a character key's character code, 256 plus the
// index of a named key.
int keyNumber(const LogoKey& key);

}  // namespace lx
