// Key menus: the key words and their errors, and keys injected at the main
// window running the menus of the objects on the shown page, one key at a
// time, releases with "off.", and the rule that shares keys with `readkey`.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "graphics/key_menu_words.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "interp/process_list.h"
#include "page_test_world.h"
#include "prims/control_primitives.h"
#include "prims/process_primitives.h"
#include "prims/variable_primitives.h"
#include "values/pools.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class KeyMenuTest : public testing::PageTest {
 protected:
  KeyMenuTest() {
    tLogoTab& global = mainObject()->procedures();
    registerControlPrimitives(global);
    registerVariablePrimitives(global);
    registerProcessPrimitives(global);
    window = &makeMainWindow("");
    platform = window->params.window.get();
  }

  void press(Key key, unsigned char character = 0, Modifiers modifiers = kNoModifiers) {
    platform->queueInput(KeyEvent{KeyAction::Down, key, character, modifiers});
  }
  void release(Key key, unsigned char character = 0, Modifiers modifiers = kNoModifiers) {
    platform->queueInput(KeyEvent{KeyAction::Up, key, character, modifiers});
  }
  void type(Key key, unsigned char character = 0, Modifiers modifiers = kNoModifiers) {
    press(key, character, modifiers);
    release(key, character, modifiers);
  }
  // Delivers the keys queued, waits for the menus they ran, and answers
  // what those printed, in order.
  Names deliver() {
    uiThread().runPending();
    logo.waitForProcesses();
    return take();
  }
  // Delivers the keys queued and waits until a menu they started has
  // printed its first line (it goes on running); answers that line.
  std::string firstLine() {
    uiThread().runPending();
    for (int tries = 0; tries < 10000; ++tries) {
      const Names printed = take();
      if (!printed.empty()) return printed.front();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::string();
  }

  tSplitwindow* window = nullptr;
  PlatformWindow* platform = nullptr;
};

// --- Key words ---

struct WordRow {
  const char* word;
  LogoKey key;
};

TEST_F(KeyMenuTest, KeyWordsBindCharactersAndNamedKeys) {
  const WordRow rows[] = {
      {"a", {false, 0, kNoModifiers, 'a'}},
      {"A", {false, 0, kNoModifiers, 'A'}},
      {"+", {false, 0, kNoModifiers, '+'}},
      {"ctrl.a", {false, 0, kNoModifiers, 1}},  // the control character, without Ctrl
      {"CTRL.alt.z", {false, 0, kAlt, 26}},
      {"alt.x", {false, 0, kAlt, 'X'}},  // upper-cased under a modifier
      {"shift.alt.[", {false, 0, kShift | kAlt, '['}},
      {"f1", {false, 59, kNoModifiers, 0}},
      {"shift.f12", {false, 70, kShift, 0}},
      {"ctrl.shift.up", {false, 72, kShift | kCtrl, 0}},
      {"return", {false, 84, kNoModifiers, 0}},  // a synonym of enter
      {"esc", {false, 87, kNoModifiers, 0}},
      {"space", {false, 0, kNoModifiers, ' '}},
      {"shift.space", {false, 0, kShift, ' '}},
      {"off.a", {true, 0, kNoModifiers, 'a'}},
      {"off.ctrl.left", {true, 75, kCtrl, 0}},
      {"nokey", {false, 78, kNoModifiers, 0}},  // found from the last key down
  };
  for (const WordRow& row : rows) EXPECT_EQ(parseKeyWord(row.word), row.key) << row.word;
}

TEST_F(KeyMenuTest, WordsThatNameNoKeyAreError141) {
  for (const char* word : {"ctrl.1", "alt.1", "ab", "shift.", "f13", "off.", "ctrl.shift.", "alt.ctrl.é"}) {
    try {
      parseKeyWord(word);
      ADD_FAILURE() << word;
    } catch (const eLogoException& error) {
      EXPECT_EQ(error.code, erUnknownKeyMenu) << word;
      EXPECT_EQ(error.value->printText(), word);
    }
  }
}

TEST_F(KeyMenuTest, SettingAKeyMenuChecksItsShape) {
  runAs("t1", "setkeyMenu [a b [print 1] f1 [print 2]]");
  runAs("t1", "print count keyMenu");
  EXPECT_EQ(take(), Names{"5"});
  EXPECT_EQ(errorAs("t1", "setkeyMenu \"a"), erExpectList);
  EXPECT_EQ(errorAs("t1", "setkeyMenu [a [print 1] b]"), erBadStructure);
  EXPECT_EQ(errorAs("t1", "setkeyMenu [ctrl.1 [print 1]]"), erUnknownKeyMenu);
  // A bad value leaves the menu as it was.
  runAs("t1", "print count keyMenu");
  EXPECT_EQ(take(), Names{"5"});
  runAs("t1", "setkeyMenu []");
  type(Key::Character, 'a');
  EXPECT_EQ(deliver(), Names{});
}

// --- Keys at the window ---

TEST_F(KeyMenuTest, AKeyRunsTheMenuOfTheObjectOnTheShownPageOnly) {
  runAs("t1", "setkeyMenu [a [print myname] f2 [print \"f2]]");
  logo.run("ask \"MainWindow [(newpage \"second)] ask \"second [new \"Turtle [name t2]]");
  runAs("t2", "setkeyMenu [a [print \"t2]]");
  // The new page is shown: only its turtle answers.
  type(Key::Character, 'a');
  EXPECT_EQ(deliver(), Names{"t2"});
  type(Key::F2);
  EXPECT_EQ(deliver(), Names{});
  logo.run("ask \"MainWindow [showpage \"page1]");
  type(Key::Character, 'a');
  type(Key::F2);
  // The menu runs with its object as the current object.
  EXPECT_EQ(deliver(), (Names{"t1", "f2"}));
  type(Key::Character, 'b');
  EXPECT_EQ(deliver(), Names{});
}

TEST_F(KeyMenuTest, EveryShownObjectBoundToTheKeyRunsOnce) {
  logo.run("ask \"page1 [new \"Turtle [name t3]]");
  runAs("t1", "setkeyMenu [x [print \"t1] X [print \"t1.again]]");
  runAs("t3", "setkeyMenu [x [print \"t3]]");
  runAs("page1", "setkeyMenu [x [print \"page]]");
  type(Key::Character, 'x');
  Names printed = deliver();
  std::sort(printed.begin(), printed.end());
  EXPECT_EQ(printed, (Names{"page", "t1", "t3"}));
}

TEST_F(KeyMenuTest, ControlCharactersShiftedLettersAndNamedKeysMatch) {
  runAs(
      "t1",
      "setkeyMenu [ctrl.a [print \"ctrl.a] A [print \"A] shift.up [print \"shift.up] alt.q [print \"alt.q]]");
  type(Key::Character, 1, kCtrl);  // the layout gives Ctrl+A as the control character
  EXPECT_EQ(deliver(), Names{"ctrl.a"});
  type(Key::Character, 'A', kShift);
  EXPECT_EQ(deliver(), Names{"A"});
  type(Key::Up, 0, kShift);
  type(Key::Up);
  EXPECT_EQ(deliver(), Names{"shift.up"});
  type(Key::Character, 'q', kAlt);
  EXPECT_EQ(deliver(), Names{"alt.q"});
}

TEST_F(KeyMenuTest, AnOffBindingRunsOnTheReleaseNotThePress) {
  runAs("t1", "setkeyMenu [off.space [print \"released] space [print \"pressed]]");
  press(Key::Character, ' ');
  EXPECT_EQ(deliver(), Names{"pressed"});
  release(Key::Character, ' ');
  EXPECT_EQ(deliver(), Names{"released"});
}

TEST_F(KeyMenuTest, KeysThatComeWhileAMenuRunsWaitAndRunInOrder) {
  logo.run("ask \"page1 [new \"Turtle [name t3]]");
  runAs("t3", "setkeyMenu [a [print \"a.starts wait 100000]]");
  runAs("t1", "setkeyMenu [b [print \"b] c [print \"c]]");
  type(Key::Character, 'a');
  type(Key::Character, 'b');
  type(Key::Character, 'z');  // bound to nothing: not queued
  type(Key::Character, 'c');
  EXPECT_EQ(firstLine(), "a.starts");
  const std::shared_ptr<KeyMenus>& menus = window->keyMenus();
  EXPECT_EQ(menus->running(), 1u);
  EXPECT_EQ(menus->waiting(), 2u);
  // The waiting keys run when the running menu ends, however it ends.
  logo.run("cancel \"@t3keymenu");
  EXPECT_EQ(deliver(), (Names{"b", "c"}));
  EXPECT_EQ(menus->running(), 0u);
  EXPECT_EQ(menus->waiting(), 0u);
}

TEST_F(KeyMenuTest, AWaitingKeyRunsThePageShownWhenItsTurnComes) {
  runAs("t1", "setkeyMenu [a [print \"t1 wait 100000]]");
  logo.run("ask \"MainWindow [(newpage \"second)] ask \"second [new \"Turtle [name t2]]");
  runAs("t2", "setkeyMenu [a [print \"t2]]");
  logo.run("ask \"MainWindow [showpage \"page1]");
  type(Key::Character, 'a');
  type(Key::Character, 'a');
  EXPECT_EQ(firstLine(), "t1");
  logo.run("ask \"MainWindow [showpage \"second] cancel \"@t1keymenu");
  EXPECT_EQ(deliver(), Names{"t2"});
}

// A press that a shown object's menu takes is not read again by `readkey`;
// every other key is, and so is a bound key while the menus are off or its
// object is not shown.
TEST_F(KeyMenuTest, KeysTakenByAMenuAreNotReadAgain) {
  runAs("t1", "setkeyMenu [a [print \"menu] off.b [print \"b.released]]");
  type(Key::Character, 'a');
  type(Key::Character, 'b');
  type(Key::Character, 'c');
  EXPECT_EQ(deliver(), (Names{"menu", "b.released"}));
  logo.run("print readkey print readkey print key?");
  EXPECT_EQ(take(), (Names{"b", "c", "false"}));
  logo.run("ask \"MainWindow [setacceptKeyMenu \"false]");
  type(Key::Character, 'a');
  uiThread().runPending();
  logo.run("print readkey");
  EXPECT_EQ(take(), Names{"a"});
}

TEST_F(KeyMenuTest, AnErasedObjectsMenuStopsAndTheQueueGoesOn) {
  logo.run("ask \"page1 [new \"Turtle [name t3]]");
  runAs("t3", "setkeyMenu [a [print \"t3 wait 100000]]");
  runAs("t1", "setkeyMenu [b [print \"b]]");
  type(Key::Character, 'a');
  type(Key::Character, 'b');
  EXPECT_EQ(firstLine(), "t3");
  logo.run("cancel \"@t3keymenu eraseobject \"t3");
  EXPECT_EQ(deliver(), Names{"b"});
  type(Key::Character, 'a');
  EXPECT_EQ(deliver(), Names{});
}

}  // namespace
}  // namespace lx
