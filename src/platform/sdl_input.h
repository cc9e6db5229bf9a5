// SDL's input events as the system's input: mouse buttons, moves, double
// clicks and wheel, the pointer leaving a window, keys and typed text. Pure
// translation, with no call into SDL, so it is tested without a display.
//
// A key that types a character comes from SDL twice: as a key press (which
// knows the key, but not what the keyboard layout makes of it with Shift)
// and then as text. The translator holds such a press back until its text
// arrives, and gives the press the character that was really typed.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/input_event.h"

namespace lx {

// Input for one window, known by SDL's window id.
struct SdlInput {
  uint32_t windowId = 0;
  InputEvent event;
};

Modifiers modifiersOf(uint16_t sdlModifiers);
MouseButton buttonOf(uint8_t sdlButton);
// The key of an SDL key code; keypad keys are keys without characters
// unless Num Lock is on.
Key keyOf(SDL_Keycode code, uint16_t sdlModifiers);
// The character (internal text) a character key gives with the modifiers
// held, as far as the key code tells: letters follow Shift and Caps Lock,
// Ctrl with a letter gives its control character; 0 for none.
unsigned char characterOf(SDL_Keycode code, uint16_t sdlModifiers);

class SdlInputTranslator {
 public:
  // Appends the input `event` stands for. `sdlModifiers` are the modifiers
  // held now (mouse events do not carry them).
  void translate(const SDL_Event& event, uint16_t sdlModifiers, std::vector<SdlInput>& out);
  // Appends a key press still held back for its text; called when SDL has
  // no more events for now.
  void flush(std::vector<SdlInput>& out);

 private:
  void key(const SDL_KeyboardEvent& event, std::vector<SdlInput>& out);
  void text(const SDL_TextInputEvent& event, std::vector<SdlInput>& out);

  std::optional<SdlInput> heldPress_;  // a character key's press, waiting for its text
};

}  // namespace lx
