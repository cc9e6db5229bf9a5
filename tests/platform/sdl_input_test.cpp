// SDL's input events as the system's input, translated without a display:
// buttons, double clicks, wheel, leaving, modifiers, named and keypad keys,
// and key presses that take the character their text brings.
#include "platform/sdl_input.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lx {
namespace {

SDL_Event button(uint32_t type, uint8_t which, int x, int y, uint8_t clicks) {
  SDL_Event event{};
  event.type = type;
  event.button.windowID = 7;
  event.button.button = which;
  event.button.x = x;
  event.button.y = y;
  event.button.clicks = clicks;
  return event;
}

SDL_Event key(uint32_t type, SDL_Keycode code, uint16_t modifiers) {
  SDL_Event event{};
  event.type = type;
  event.key.windowID = 7;
  event.key.keysym.sym = code;
  event.key.keysym.mod = modifiers;
  return event;
}

SDL_Event text(const char* utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = 7;
  std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
  return event;
}

class SdlInputTest : public ::testing::Test {
 protected:
  std::vector<SdlInput> translate(const SDL_Event& event, uint16_t held = KMOD_NONE) {
    std::vector<SdlInput> out;
    translator.translate(event, held, out);
    return out;
  }
  std::vector<SdlInput> flush() {
    std::vector<SdlInput> out;
    translator.flush(out);
    return out;
  }

  SdlInputTranslator translator;
};

TEST_F(SdlInputTest, ButtonsCarryTheirClicksAndTheModifiersHeld) {
  auto out = translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 12, 34, 1), KMOD_LSHIFT | KMOD_RCTRL);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].windowId, 7u);
  const auto& down = std::get<MouseEvent>(out[0].event);
  EXPECT_EQ(down.action, MouseAction::Down);
  EXPECT_EQ(down.button, MouseButton::Left);
  EXPECT_EQ(down.x, 12);
  EXPECT_EQ(down.y, 34);
  EXPECT_EQ(down.clicks, 1);
  EXPECT_EQ(down.modifiers, kShift | kCtrl);
  // The second press of a double click, and a third that starts again.
  EXPECT_EQ(
      std::get<MouseEvent>(translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1, 2))[0].event).clicks,
      2);
  EXPECT_EQ(
      std::get<MouseEvent>(translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1, 3))[0].event).clicks,
      1);
  const auto up =
      std::get<MouseEvent>(translate(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 1, 1, 1))[0].event);
  EXPECT_EQ(up.action, MouseAction::Up);
  EXPECT_EQ(up.button, MouseButton::Middle);
  EXPECT_TRUE(translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 1, 1)).empty());
}

TEST_F(SdlInputTest, MovesWheelAndLeaving) {
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = 3;
  motion.motion.x = 5;
  motion.motion.y = 6;
  auto out = translate(motion, KMOD_LALT);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].windowId, 3u);
  EXPECT_EQ(std::get<MouseEvent>(out[0].event).action, MouseAction::Move);
  EXPECT_EQ(std::get<MouseEvent>(out[0].event).modifiers, kAlt);

  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  wheel.wheel.mouseX = 40;
  wheel.wheel.mouseY = 50;
  auto turned = std::get<WheelEvent>(translate(wheel)[0].event);
  EXPECT_EQ(turned.steps, -2);
  EXPECT_EQ(turned.x, 40);
  wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
  EXPECT_EQ(std::get<WheelEvent>(translate(wheel)[0].event).steps, 2);
  wheel.wheel.y = 0;  // sideways only
  EXPECT_TRUE(translate(wheel).empty());

  SDL_Event window{};
  window.type = SDL_WINDOWEVENT;
  window.window.event = SDL_WINDOWEVENT_LEAVE;
  EXPECT_EQ(std::get<MouseEvent>(translate(window)[0].event).action, MouseAction::Leave);
  window.window.event = SDL_WINDOWEVENT_EXPOSED;
  EXPECT_TRUE(translate(window).empty());
}

TEST_F(SdlInputTest, NamedAndKeypadKeys) {
  EXPECT_EQ(keyOf(SDLK_F1, KMOD_NONE), Key::F1);
  EXPECT_EQ(keyOf(SDLK_F12, KMOD_NONE), Key::F12);
  EXPECT_EQ(keyOf(SDLK_RETURN, KMOD_NONE), Key::Enter);
  EXPECT_EQ(keyOf(SDLK_KP_ENTER, KMOD_NONE), Key::Enter);
  EXPECT_EQ(keyOf(SDLK_ESCAPE, KMOD_NONE), Key::Escape);
  EXPECT_EQ(keyOf(SDLK_RSHIFT, KMOD_NONE), Key::Shift);
  EXPECT_EQ(keyOf(SDLK_CAPSLOCK, KMOD_NONE), Key::Other);
  // Without Num Lock the keypad moves; with it, it types.
  EXPECT_EQ(keyOf(SDLK_KP_8, KMOD_NONE), Key::Up);
  EXPECT_EQ(keyOf(SDLK_KP_5, KMOD_NONE), Key::KeypadCentre);
  EXPECT_EQ(keyOf(SDLK_KP_8, KMOD_NUM), Key::Character);
  EXPECT_EQ(characterOf(SDLK_KP_8, KMOD_NUM), '8');
  EXPECT_EQ(characterOf(SDLK_KP_PLUS, KMOD_NONE), '+');
  EXPECT_EQ(keyOf(SDLK_SPACE, KMOD_NONE), Key::Character);
}

TEST_F(SdlInputTest, CharactersFollowShiftCapsLockAndCtrl) {
  EXPECT_EQ(characterOf(SDLK_a, KMOD_NONE), 'a');
  EXPECT_EQ(characterOf(SDLK_a, KMOD_LSHIFT), 'A');
  EXPECT_EQ(characterOf(SDLK_a, KMOD_CAPS), 'A');
  EXPECT_EQ(characterOf(SDLK_a, KMOD_CAPS | KMOD_LSHIFT), 'a');
  EXPECT_EQ(characterOf(SDLK_c, KMOD_LCTRL), 3);
  EXPECT_EQ(characterOf(SDLK_1, KMOD_LCTRL), '1');
  EXPECT_EQ(characterOf(0x161, KMOD_NONE), 0x9A);  // s with caron, a key of a Slovak layout
  EXPECT_EQ(characterOf(0x3B1, KMOD_NONE), 0);     // a Greek letter: none in the code page
}

TEST_F(SdlInputTest, APressWaitsForItsTextAndTakesItsCharacter) {
  EXPECT_TRUE(translate(key(SDL_KEYDOWN, SDLK_1, KMOD_LSHIFT), KMOD_LSHIFT).empty());
  auto out = translate(text("!"));
  ASSERT_EQ(out.size(), 2u);
  const auto& press = std::get<KeyEvent>(out[0].event);
  EXPECT_EQ(press.action, KeyAction::Down);
  EXPECT_EQ(press.key, Key::Character);
  EXPECT_EQ(press.character, '!');
  EXPECT_EQ(press.modifiers, kShift);
  EXPECT_EQ(std::get<CharEvent>(out[1].event).character, '!');
  // Text in UTF-8 becomes internal characters, one event each.
  out = translate(text("\xC5\xA1\xC3\xA1"));
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(std::get<CharEvent>(out[0].event).character, 0x9A);
  EXPECT_EQ(std::get<CharEvent>(out[1].event).character, 0xE1);
}

TEST_F(SdlInputTest, ACharacterTheCodePageLacksComesMarkedNotAsAQuestionMark) {
  // A check mark (U+2713) between a euro sign (0x80) and a real "?".
  const auto out = translate(text("\xE2\x82\xAC\xE2\x9C\x93?"));
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(std::get<CharEvent>(out[0].event).character, 0x80);
  EXPECT_FALSE(std::get<CharEvent>(out[0].event).unmappable);
  EXPECT_TRUE(std::get<CharEvent>(out[1].event).unmappable);
  EXPECT_EQ(std::get<CharEvent>(out[1].event).character, 0);
  EXPECT_EQ(std::get<CharEvent>(out[2].event).character, '?');
  EXPECT_FALSE(std::get<CharEvent>(out[2].event).unmappable);
}

TEST_F(SdlInputTest, APressWithoutTextComesOutWithTheNextEventOrTheFlush) {
  EXPECT_TRUE(translate(key(SDL_KEYDOWN, SDLK_b, KMOD_NONE)).empty());
  auto out = translate(key(SDL_KEYUP, SDLK_b, KMOD_NONE));
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(std::get<KeyEvent>(out[0].event).character, 'b');
  EXPECT_EQ(std::get<KeyEvent>(out[1].event).action, KeyAction::Up);
  EXPECT_TRUE(translate(key(SDL_KEYDOWN, SDLK_x, KMOD_NONE)).empty());
  out = flush();
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(std::get<KeyEvent>(out[0].event).character, 'x');
  EXPECT_TRUE(flush().empty());
}

TEST_F(SdlInputTest, NamedKeysAndCtrlCombinationsComeAtOnce) {
  auto out = translate(key(SDL_KEYDOWN, SDLK_LEFT, KMOD_LCTRL));
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(std::get<KeyEvent>(out[0].event).key, Key::Left);
  EXPECT_EQ(std::get<KeyEvent>(out[0].event).modifiers, kCtrl);
  out = translate(key(SDL_KEYDOWN, SDLK_a, KMOD_LCTRL));
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(std::get<KeyEvent>(out[0].event).character, 1);
  SDL_Event repeated = key(SDL_KEYDOWN, SDLK_DELETE, KMOD_NONE);
  repeated.key.repeat = 1;
  EXPECT_TRUE(std::get<KeyEvent>(translate(repeated)[0].event).repeat);
}

}  // namespace
}  // namespace lx
