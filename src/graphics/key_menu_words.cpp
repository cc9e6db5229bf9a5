// Reading key words and key-menu values.
#include "graphics/key_menu_words.h"

#include <sstream>

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

// Takes a prefix of the "keynames" section (any of its spellings) off the
// front of `word`; answers whether there was one.
bool takePrefix(std::string& word, const char* key) {
  std::istringstream spellings(localEntry("keynames", key));
  std::string prefix;
  while (spellings >> prefix) {
    if (prefix.empty() || word.size() < prefix.size()) continue;
    if (!namesEqual(std::string_view(word).substr(0, prefix.size()), prefix)) continue;
    word.erase(0, prefix.size());
    return true;
  }
  return false;
}

unsigned char upperCharacter(char c) {
  return static_cast<unsigned char>(upperCase(std::string(1, c))[0]);
}

[[noreturn]] void unknownKey(const std::string& word) {
  throw eLogoException(erUnknownKeyMenu, makeWord(word));
}

// A key's name: the named keys from esc down to f1, then the blank.
bool namedKey(const std::string& name, LogoKey& key) {
  for (int index = kLastNamedKey; index >= kFirstNamedKey; --index) {
    if (isLocalEntry("keynames", namedKeyName(static_cast<uint8_t>(index)), name)) {
      key.named = static_cast<uint8_t>(index);
      return true;
    }
  }
  if (isLocalEntry("keynames", "space", name)) {
    key.character = ' ';
    return true;
  }
  return false;
}

}  // namespace

LogoKey parseKeyWord(const std::string& word) {
  LogoKey key;
  std::string rest = word;
  key.release = takePrefix(rest, "off.");
  if (rest.size() == 1) {
    key.character = static_cast<unsigned char>(rest[0]);
    return key;
  }
  unsigned modifiers = 0;
  for (bool more = true; more;) {
    more = false;
    if (takePrefix(rest, "shift.")) modifiers |= kShift, more = true;
    if (takePrefix(rest, "ctrl.")) modifiers |= kCtrl, more = true;
    if (takePrefix(rest, "alt.")) modifiers |= kAlt, more = true;
  }
  key.modifiers = static_cast<Modifiers>(modifiers);
  if (rest.size() == 1) {
    const unsigned char upper = upperCharacter(rest[0]);
    if (upper < 64 || upper > 95) unknownKey(word);
    if (modifiers & kCtrl) {
      // Ctrl with a letter types the control character, which carries no Ctrl.
      key.character = static_cast<unsigned char>(upper - 64);
      key.modifiers = static_cast<Modifiers>(modifiers & ~kCtrl);
    } else {
      key.character = upper;
    }
    return key;
  }
  if (rest.empty() || !namedKey(rest, key)) unknownKey(word);
  return key;
}

std::vector<KeyBinding> parseKeyMenu(const Value& value) {
  const tLogoList* list = asList(*value);
  if (!list) throw eLogoException(erExpectList, value);
  std::vector<KeyBinding> bindings;
  size_t waiting = 0;  // key words read since the last instruction list
  for (const Value& element : *list) {
    if (element->isList()) {
      for (size_t i = bindings.size() - waiting; i < bindings.size(); ++i) bindings[i].instructions = element;
      waiting = 0;
    } else if (element->isWord()) {
      bindings.push_back({parseKeyWord(element->printText(0)), nullptr});
      ++waiting;
    } else {
      throw eLogoException(erBadStructure, value);
    }
  }
  if (waiting > 0) throw eLogoException(erBadStructure, value);
  return bindings;
}

bool keyMatches(const LogoKey& bound, const LogoKey& key) {
  if (bound.named == kAnyKey) return true;
  if (bound.named != key.named || bound.release != key.release || bound.modifiers != key.modifiers) return false;
  return bound.named != 0 || bound.character == key.character;
}

}  // namespace lx
