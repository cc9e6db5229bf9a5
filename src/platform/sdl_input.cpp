// Translating SDL's input events.
#include "platform/sdl_input.h"

#include <string>

#include "platform/codepage.h"

namespace lx {
namespace {

// A code point as UTF-8.
std::string utf8Of(uint32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// The internal character of a code point, 0 when code page 1250 has none.
unsigned char internalCharacter(uint32_t code) {
  const std::string utf8 = utf8Of(code);
  if (utf8.empty()) return 0;
  const Utf8Conversion converted = utf8ToCp1250(utf8);
  return converted.exact && converted.text.size() == 1 ? static_cast<unsigned char>(converted.text[0]) : 0;
}

std::optional<Key> keypadKey(SDL_Keycode code) {
  switch (code) {
    case SDLK_KP_8:
      return Key::Up;
    case SDLK_KP_2:
      return Key::Down;
    case SDLK_KP_4:
      return Key::Left;
    case SDLK_KP_6:
      return Key::Right;
    case SDLK_KP_7:
      return Key::Home;
    case SDLK_KP_1:
      return Key::End;
    case SDLK_KP_9:
      return Key::PageUp;
    case SDLK_KP_3:
      return Key::PageDown;
    case SDLK_KP_0:
      return Key::Insert;
    case SDLK_KP_PERIOD:
      return Key::Delete;
    case SDLK_KP_5:
      return Key::KeypadCentre;
    default:
      return std::nullopt;
  }
}

// The character of a keypad key with Num Lock on (digits and the period),
// or of the operator keys, which type theirs always.
unsigned char keypadCharacter(SDL_Keycode code, bool numLock) {
  switch (code) {
    case SDLK_KP_DIVIDE:
      return '/';
    case SDLK_KP_MULTIPLY:
      return '*';
    case SDLK_KP_MINUS:
      return '-';
    case SDLK_KP_PLUS:
      return '+';
    default:
      break;
  }
  if (!numLock) return 0;
  if (code >= SDLK_KP_1 && code <= SDLK_KP_9) return static_cast<unsigned char>('1' + (code - SDLK_KP_1));
  if (code == SDLK_KP_0) return '0';
  if (code == SDLK_KP_PERIOD) return '.';
  return 0;
}

std::optional<Key> namedKey(SDL_Keycode code) {
  if (code >= SDLK_F1 && code <= SDLK_F12)
    return static_cast<Key>(static_cast<int>(Key::F1) + static_cast<int>(code - SDLK_F1));
  switch (code) {
    case SDLK_HOME:
      return Key::Home;
    case SDLK_END:
      return Key::End;
    case SDLK_PAGEUP:
      return Key::PageUp;
    case SDLK_PAGEDOWN:
      return Key::PageDown;
    case SDLK_LEFT:
      return Key::Left;
    case SDLK_RIGHT:
      return Key::Right;
    case SDLK_UP:
      return Key::Up;
    case SDLK_DOWN:
      return Key::Down;
    case SDLK_INSERT:
      return Key::Insert;
    case SDLK_DELETE:
      return Key::Delete;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return Key::Enter;
    case SDLK_BACKSPACE:
      return Key::Backspace;
    case SDLK_TAB:
      return Key::Tab;
    case SDLK_ESCAPE:
      return Key::Escape;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return Key::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return Key::Ctrl;
    case SDLK_LALT:
    case SDLK_RALT:
      return Key::Alt;
    default:
      return std::nullopt;
  }
}

bool isAsciiLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

Modifiers modifiersOf(uint16_t sdl) {
  uint8_t held = kNoModifiers;
  if (sdl & KMOD_SHIFT) held |= kShift;
  if (sdl & KMOD_CTRL) held |= kCtrl;
  if (sdl & KMOD_ALT) held |= kAlt;
  return static_cast<Modifiers>(held);
}

MouseButton buttonOf(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return MouseButton::Left;
    case SDL_BUTTON_RIGHT:
      return MouseButton::Right;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::Middle;
    default:
      return MouseButton::None;
  }
}

Key keyOf(SDL_Keycode code, uint16_t sdl) {
  if (std::optional<Key> named = namedKey(code)) return *named;
  const bool numLock = (sdl & KMOD_NUM) != 0;
  if (!numLock) {
    if (std::optional<Key> keypad = keypadKey(code)) return *keypad;
  }
  return characterOf(code, sdl) != 0 ? Key::Character : Key::Other;
}

unsigned char characterOf(SDL_Keycode code, uint16_t sdl) {
  if (code & SDLK_SCANCODE_MASK) return keypadCharacter(code, (sdl & KMOD_NUM) != 0);
  if (code < 32 || code == 127) return 0;
  unsigned char c =
      code < 128 ? static_cast<unsigned char>(code) : internalCharacter(static_cast<uint32_t>(code));
  if (c == 0) return 0;
  if (isAsciiLetter(c)) {
    const bool capital = ((sdl & KMOD_SHIFT) != 0) != ((sdl & KMOD_CAPS) != 0);
    c = static_cast<unsigned char>(capital ? (c & ~0x20) : (c | 0x20));
  }
  // Ctrl with a letter or one of @ [ \ ] ^ _ gives the control character.
  const unsigned char upper = c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c & ~0x20) : c;
  if ((sdl & KMOD_CTRL) && upper >= 64 && upper <= 95) return static_cast<unsigned char>(upper - 64);
  return c;
}

void SdlInputTranslator::translate(const SDL_Event& event, uint16_t sdl, std::vector<SdlInput>& out) {
  if (event.type == SDL_TEXTINPUT) {
    text(event.text, out);
    return;
  }
  flush(out);
  const Modifiers modifiers = modifiersOf(sdl);
  switch (event.type) {
    case SDL_MOUSEMOTION:
      out.push_back({event.motion.windowID, MouseEvent{MouseAction::Move, event.motion.x, event.motion.y,
                                                       MouseButton::None, 1, modifiers}});
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const MouseButton button = buttonOf(event.button.button);
      if (button == MouseButton::None) break;
      const MouseAction action = event.type == SDL_MOUSEBUTTONDOWN ? MouseAction::Down : MouseAction::Up;
      // A third press is a single click again, as a fourth is a double.
      const int clicks = event.button.clicks > 0 && event.button.clicks % 2 == 0 ? 2 : 1;
      out.push_back({event.button.windowID,
                     MouseEvent{action, event.button.x, event.button.y, button, clicks, modifiers}});
      break;
    }
    case SDL_MOUSEWHEEL: {
      const int steps = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      if (steps == 0) break;
      out.push_back(
          {event.wheel.windowID, WheelEvent{event.wheel.mouseX, event.wheel.mouseY, steps, modifiers}});
      break;
    }
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_LEAVE)
        out.push_back(
            {event.window.windowID, MouseEvent{MouseAction::Leave, 0, 0, MouseButton::None, 1, modifiers}});
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      key(event.key, out);
      break;
    default:
      break;
  }
}

void SdlInputTranslator::key(const SDL_KeyboardEvent& event, std::vector<SdlInput>& out) {
  const uint16_t sdl = event.keysym.mod;
  KeyEvent key;
  key.action = event.type == SDL_KEYDOWN ? KeyAction::Down : KeyAction::Up;
  key.key = keyOf(event.keysym.sym, sdl);
  key.modifiers = modifiersOf(sdl);
  key.repeat = event.repeat != 0;
  if (key.key == Key::Character) key.character = characterOf(event.keysym.sym, sdl);
  SdlInput input{event.windowID, key};
  // Without Ctrl or Alt the layout types text for the key, which tells
  // the character better than the key code does.
  const bool typesText =
      key.action == KeyAction::Down && key.key == Key::Character && !(key.modifiers & (kCtrl | kAlt));
  if (typesText) {
    heldPress_ = input;
  } else {
    out.push_back(input);
  }
}

void SdlInputTranslator::text(const SDL_TextInputEvent& event, std::vector<SdlInput>& out) {
  // One character at a time, so a character internal text cannot hold is
  // told apart from a "?" that was really typed.
  std::vector<CharEvent> typed;
  const std::string_view text = event.text;
  for (size_t i = 0; i < text.size();) {
    size_t length = 1;
    while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
      ++length;
    const Utf8Conversion one = utf8ToCp1250(text.substr(i, length));
    if (one.exact && one.text.size() == 1)
      typed.push_back(CharEvent{static_cast<unsigned char>(one.text[0]), false});
    else
      typed.push_back(CharEvent{0, true});
    i += length;
  }
  if (heldPress_ && typed.size() == 1) std::get<KeyEvent>(heldPress_->event).character = typed[0].character;
  flush(out);
  for (const CharEvent& c : typed) out.push_back({event.windowID, c});
}

void SdlInputTranslator::flush(std::vector<SdlInput>& out) {
  if (!heldPress_) return;
  out.push_back(*heldPress_);
  heldPress_.reset();
}

}  // namespace lx
