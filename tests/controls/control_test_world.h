// The world control tests run in: the headless platform on the test's
// thread (the user-interface thread), the graphics and control classes, a
// shown page `page1`, and helpers that give the page mouse input and the
// focused control keys and typed characters, as a window would.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "controls/controls_classes.h"
#include "graphics/focused_input.h"
#include "graphics/graphics_classes.h"
#include "graphics/logo_page.h"
#include "interp/scheduler.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "platform/platform.h"
#include "prims/control_primitives.h"
#include "prims/data_primitives.h"
#include "prims/variable_primitives.h"
#include "prims/word_list_primitives.h"
#include "support/logo_session.h"

namespace lx::testing {

struct StartedControlsWorld {
  StartedControlsWorld() {
    prepareLogoWorld();
    if (!startedPlatform()) startPlatform(BackendRequest::Headless);
    tMainLogoObject& main = startObjectModel([](tLogoTab& table) {
      registerObjectPrimitives(table);
      registerControlPrimitives(table);
      registerVariablePrimitives(table);
      registerWordListPrimitives(table);
      registerDataPrimitives(table);
    });
    registerGraphicsClasses(main);
    registerControlClasses(main);
  }
  ~StartedControlsWorld() { stopObjectModel(); }
};

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    logo.run("new \"Page []");
    page = &surfaceOf(*object("page1"))->window();
    page->setVisible(true);
  }

  tmultiobject* object(const std::string& name) { return mainObject()->child(codeOf(name)); }
  tmultiobject* onPage(const std::string& name) {
    return object("page1")->asContainer()->child(codeOf(name));
  }
  // Runs `text` as the object `name` on page1 (or as page1 itself).
  static std::string asked(const std::string& name, const std::string& text) {
    const std::string onPage = "ask \"page1 [" + text + "]";
    return name == "page1" ? onPage : "ask \"page1 [ask \"" + name + " [" + text + "]]";
  }
  void runAs(const std::string& name, const std::string& text) { logo.run(asked(name, text)); }
  errorConst errorAs(const std::string& name, const std::string& text) {
    return logo.errorOf(asked(name, text));
  }
  // What the handlers printed, once every process has ended.
  std::vector<std::string> printed() {
    settle();
    return logo.takePrinted();
  }
  // What `expression` prints as the object `name`, once the handlers have
  // ended; what they printed stays for printed().
  std::string print(const std::string& name, const std::string& expression) {
    settle();
    InterpreterLockScope locked;
    const size_t before = logo.printed.size();
    runAs(name, "print " + expression);
    if (logo.printed.size() == before) return "<nothing>";
    std::string line = logo.printed.back();
    logo.printed.pop_back();
    return line;
  }
  // Waits until every process has ended and their ends were handled.
  void settle() {
    logo.waitForProcesses();
    uiThread().runPending();
    logo.waitForProcesses();
  }
  // Waits until a handler has printed `line` (the handler goes on running).
  bool waitForLine(const std::string& line) {
    for (int tries = 0; tries < 10000; ++tries) {
      {
        InterpreterLockScope locked;
        if (std::find(logo.printed.begin(), logo.printed.end(), line) != logo.printed.end()) return true;
      }
      uiThread().runPending();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  // Input as a window delivers it.
  bool offer(const InputEvent& event) {
    InterpreterLockScope locked;
    return offerToFocusedControl(event);
  }
  bool press(Key key, Modifiers modifiers = kNoModifiers, unsigned char character = 0) {
    const bool taken = offer(KeyEvent{KeyAction::Down, key, character, modifiers, false});
    offer(KeyEvent{KeyAction::Up, key, character, modifiers, false});
    return taken;
  }
  // Ctrl with a letter, as the keyboard gives it: the control character.
  bool ctrl(char letter) {
    return press(Key::Character, kCtrl, static_cast<unsigned char>(letter - 'a' + 1));
  }
  void type(const std::string& text) {
    for (char c : text) {
      offer(KeyEvent{KeyAction::Down, Key::Character, static_cast<unsigned char>(c), kNoModifiers, false});
      offer(CharEvent{static_cast<unsigned char>(c), false});
      offer(KeyEvent{KeyAction::Up, Key::Character, static_cast<unsigned char>(c), kNoModifiers, false});
    }
  }
  void mouse(MouseAction action, int x, int y, MouseButton button = MouseButton::None, int clicks = 1,
             Modifiers modifiers = kNoModifiers) {
    page->queueInput(MouseEvent{action, x, y, button, clicks, modifiers});
    uiThread().runPending();
  }
  void click(int x, int y) {
    mouse(MouseAction::Move, x, y);
    mouse(MouseAction::Down, x, y, MouseButton::Left);
    mouse(MouseAction::Up, x, y, MouseButton::Left);
  }
  const PixelBuffer& shown() {
    page->paintNow();
    return page->pixels();
  }

  StartedControlsWorld world;
  LogoSession logo;
  PlatformWindow* page = nullptr;
};

}  // namespace lx::testing
