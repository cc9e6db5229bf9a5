// Keys as Logo sees them.
#include "graphics/logo_key.h"

#include <array>

#include "lang/dictionary.h"
#include "lang/name_comparison.h"

namespace lx {
namespace {

constexpr std::array<const char*, kLastNamedKey - kFirstNamedKey + 1> kNamedKeys = {
    "f1",  "f2",   "f3",       "f4",     "f5",     "f6",    "f7",        "f8",   "f9",    "f10",
    "f11", "f12",  "home",     "up",     "pageup", "nokey", "left",      "num5", "right", "nokey",
    "end", "down", "pagedown", "insert", "delete", "enter", "backspace", "tab",  "esc"};

uint8_t namedIndexOf(Key key) {
  switch (key) {
    case Key::Home:
      return 71;
    case Key::Up:
      return 72;
    case Key::PageUp:
      return 73;
    case Key::Left:
      return 75;
    case Key::KeypadCentre:
      return 76;
    case Key::Right:
      return 77;
    case Key::End:
      return 79;
    case Key::Down:
      return 80;
    case Key::PageDown:
      return 81;
    case Key::Insert:
      return 82;
    case Key::Delete:
      return 83;
    case Key::Enter:
      return 84;
    case Key::Backspace:
      return 85;
    case Key::Tab:
      return 86;
    case Key::Escape:
      return 87;
    default:
      break;
  }
  if (key >= Key::F1 && key <= Key::F12)
    return static_cast<uint8_t>(kFirstNamedKey + (static_cast<int>(key) - static_cast<int>(Key::F1)));
  return 0;
}

Modifiers without(Modifiers set, Modifiers removed) {
  return static_cast<Modifiers>(set & ~removed);
}

unsigned char upper(unsigned char c) {
  return static_cast<unsigned char>(upperCase(std::string(1, static_cast<char>(c)))[0]);
}

unsigned char lower(unsigned char c) {
  return static_cast<unsigned char>(lowerCase(std::string(1, static_cast<char>(c)))[0]);
}

std::string prefixes(Modifiers modifiers, bool withShift) {
  std::string text;
  if (withShift && (modifiers & kShift)) text += localEntry("keynames", "shift.");
  if (modifiers & kCtrl) text += localEntry("keynames", "ctrl.");
  if (modifiers & kAlt) text += localEntry("keynames", "alt.");
  return text;
}

}  // namespace

std::optional<LogoKey> logoKeyOf(const KeyEvent& event) {
  LogoKey key;
  key.release = event.action == KeyAction::Up;
  key.modifiers = event.modifiers;
  if (event.key != Key::Character) {
    key.named = namedIndexOf(event.key);
    if (key.named == 0) return std::nullopt;
    return key;
  }
  unsigned char c = event.character;
  if (c == 0) return std::nullopt;
  if (c < 32) key.modifiers = without(key.modifiers, kCtrl);
  if (upper(c) == c && lower(c) != c && key.modifiers == kShift) key.modifiers = kNoModifiers;
  if (key.modifiers != kNoModifiers) c = upper(c);
  key.character = c;
  return key;
}

const char* namedKeyName(uint8_t index) {
  if (index < kFirstNamedKey || index > kLastNamedKey) return "";
  return kNamedKeys[index - kFirstNamedKey];
}

std::string keyWord(const LogoKey& key) {
  if (key.named) return prefixes(key.modifiers, true) + localEntry("keynames", namedKeyName(key.named));
  if (key.character == ' ') return prefixes(key.modifiers, false) + localEntry("keynames", "space");
  if (key.character < 32) {
    const char letter = static_cast<char>(lower(static_cast<unsigned char>(key.character + 64)));
    return prefixes(static_cast<Modifiers>(key.modifiers | kCtrl), false) + letter;
  }
  return prefixes(key.modifiers, false) + static_cast<char>(key.character);
}

unsigned char keyCharacter(const LogoKey& key) {
  switch (key.named) {
    case 0:
      return key.character;
    case 84:
      return '\r';
    case 85:
      return '\b';
    case 86:
      return '\t';
    case 87:
      return 27;
    default:
      return 0;
  }
}

int keyNumber(const LogoKey& key) {
  return key.named ? 256 + key.named : key.character;
}

}  // namespace lx
