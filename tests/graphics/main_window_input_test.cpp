// Input at the main window, as a windowed backend delivers it: the shown
// page stands in the window's panel and gets the mouse over it, turtles
// raise their mouse events (clicks, double clicks, presses, entering and
// leaving, dragging with autoDrag), and the keys typed at the window are
// read by `readkey`, `readchar`, `key`, `key?` and `lastkey`.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "graphics/window_panel.h"
#include "interp/process_list.h"
#include "page_test_world.h"
#include "prims/control_primitives.h"
#include "prims/process_primitives.h"
#include "prims/variable_primitives.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

constexpr int kTurtleX = 398;  // the turtle t1 stands at the page's centre
constexpr int kTurtleY = 249;

class MainWindowInput : public testing::PageTest {
 protected:
  MainWindowInput() {
    tLogoTab& global = mainObject()->procedures();
    registerControlPrimitives(global);
    registerVariablePrimitives(global);
    registerProcessPrimitives(global);
    window = &makeMainWindow("");
    platform = window->params.window.get();
  }

  void mouse(MouseAction action, int x, int y, MouseButton button = MouseButton::None, int clicks = 1) {
    platform->queueInput(MouseEvent{action, x, y, button, clicks});
  }
  // A press and a release, each delivered with the events it raised ended
  // (a release that comes while a handler of the control runs waits for it,
  // and a click then is lost, as the user's would be); answers what printed.
  Names click(int x, int y, int clicks = 1) {
    mouse(MouseAction::Down, x, y, MouseButton::Left, clicks);
    Names printed = deliver();
    mouse(MouseAction::Up, x, y, MouseButton::Left, clicks);
    for (std::string& line : deliver()) printed.push_back(std::move(line));
    std::sort(printed.begin(), printed.end());
    return printed;
  }
  void type(Key key, unsigned char character = 0, Modifiers modifiers = kNoModifiers) {
    platform->queueInput(KeyEvent{KeyAction::Down, key, character, modifiers});
    platform->queueInput(KeyEvent{KeyAction::Up, key, character, modifiers});
  }
  // Delivers the input queued and waits for the events it raised.
  Names deliver() {
    uiThread().runPending();
    logo.waitForProcesses();
    Names printed = take();
    std::sort(printed.begin(), printed.end());
    return printed;
  }
  void asTurtle(const std::string& text) { runAs("page1", "ask \"t1 [" + text + "]"); }

  tSplitwindow* window = nullptr;
  PlatformWindow* platform = nullptr;
};

TEST_F(MainWindowInput, TheShownPageStandsInThePanel) {
  tgrScreen& page1 = *window->currentPage()->surface();
  EXPECT_TRUE(page1.window().hosted());
  EXPECT_EQ(page1.window().areaInHost(), (PixelRect{0, 0, 796, 499}));  // larger than the window
  runAs("page1", "setbgcolour 4");
  platform->paintNow();
  uiThread().runPending();
  platform->paintNow();
  EXPECT_EQ(platform->pixels().pixel(10, 10), page1.pixelAt(10, 10));
  window->params.window->setClientSize(900, 600);
  EXPECT_EQ(page1.window().areaInHost(), (PixelRect{52, 50, 796, 499}));
  uiThread().runPending();
  platform->paintNow();
  EXPECT_EQ(platform->pixels().pixel(10, 10), kPanelColour);
  runAs("MainWindow", "newpage");
  EXPECT_FALSE(page1.window().hosted());
}

TEST_F(MainWindowInput, AClickOnATurtleRaisesItsClickAndThePressesAroundIt) {
  asTurtle(
      "setevent \"onClick [print \"click] setevent \"onLeftDown [print \"down] setevent \"onLeftUp [print "
      "\"up]");
  runAs("page1", "setevent \"onClick [print \"page]");
  EXPECT_EQ(click(kTurtleX, kTurtleY), (Names{"click", "down", "up"}));
  EXPECT_EQ(click(5, 5), Names{"page"});
}

TEST_F(MainWindowInput, ADoubleClickRaisesOnDoubleClickOrElseAClick) {
  asTurtle("setevent \"onClick [print \"click]");
  EXPECT_EQ(click(kTurtleX, kTurtleY), Names{"click"});
  // The second press of a double click; its release makes no click of its own.
  EXPECT_EQ(click(kTurtleX, kTurtleY, 2), Names{"click"});
  asTurtle("setevent \"onDoubleClick [print \"double]");
  EXPECT_EQ(click(kTurtleX, kTurtleY, 2), Names{"double"});
  // A double press released away from the turtle leaves the next click whole.
  mouse(MouseAction::Down, kTurtleX, kTurtleY, MouseButton::Left, 2);
  EXPECT_EQ(deliver(), Names{"double"});
  mouse(MouseAction::Up, 5, 5, MouseButton::Left, 2);
  EXPECT_EQ(deliver(), Names{});
  EXPECT_EQ(click(kTurtleX, kTurtleY), Names{"click"});
}

TEST_F(MainWindowInput, EnteringAndLeavingATurtleAndTheWindow) {
  asTurtle("setevent \"onMouseEnter [print \"enter] setevent \"onMouseLeave [print \"leave]");
  mouse(MouseAction::Move, kTurtleX, kTurtleY);
  EXPECT_EQ(deliver(), Names{"enter"});
  mouse(MouseAction::Move, 5, 5);
  EXPECT_EQ(deliver(), Names{"leave"});
  mouse(MouseAction::Move, kTurtleX, kTurtleY);
  mouse(MouseAction::Leave, 0, 0);
  EXPECT_EQ(deliver(), (Names{"enter", "leave"}));
  // A turtle moving under the pointer that has left the window stays cold.
  asTurtle("forward 0");
  EXPECT_EQ(deliver(), Names{});
}

TEST_F(MainWindowInput, AutoDragMovesTheTurtleWithThePointer) {
  asTurtle("setautodrag \"true setevent \"onDrag [print pos]");
  mouse(MouseAction::Down, kTurtleX + 2, kTurtleY, MouseButton::Left);
  deliver();
  asTurtle("print clickedpos");
  EXPECT_EQ(take(), Names{"2 0"});
  mouse(MouseAction::Move, kTurtleX + 52, kTurtleY - 30);
  // The point of the press, 2 right of the turtle, stays under the pointer,
  // which is at [52 30] now.
  EXPECT_EQ(deliver(), Names{"50 30"});
  mouse(MouseAction::Up, kTurtleX + 52, kTurtleY - 30, MouseButton::Left);
  mouse(MouseAction::Move, kTurtleX + 100, kTurtleY);
  deliver();
  asTurtle("print pos");
  EXPECT_EQ(take(), Names{"50 30"});
}

TEST_F(MainWindowInput, WithoutAutoDragAMoveWithTheButtonHeldIsADrag) {
  asTurtle("setevent \"onDrag [print \"drag] setevent \"onMouseMove [print \"move]");
  mouse(MouseAction::Move, kTurtleX, kTurtleY);
  EXPECT_EQ(deliver(), Names{"move"});
  mouse(MouseAction::Down, kTurtleX, kTurtleY, MouseButton::Left);
  mouse(MouseAction::Move, kTurtleX + 40, kTurtleY);
  EXPECT_EQ(deliver(), Names{"drag"});
  asTurtle("print pos");
  EXPECT_EQ(take(), Names{"0 0"});
}

TEST_F(MainWindowInput, TheKeyReadersTakeTheKeysTypedAtTheWindow) {
  type(Key::Character, 'a');
  type(Key::Character, 'Q', kShift);
  type(Key::F1, 0, kShift);
  type(Key::Enter);
  type(Key::Character, 'x', kCtrl | kAlt);
  type(Key::Character, ' ');
  type(Key::Left);  // types no character: readchar passes it over
  type(Key::Character, 'z');
  uiThread().runPending();
  logo.run("print key? print readkey print readkey print readkey print key print readkey print lastkey");
  EXPECT_EQ(take(), (Names{"true", "a", "Q", "shift.f1", "340", "ctrl.alt.X", "ctrl.alt.X"}));
  logo.run("print readchar print readchar print key? print lastkey");
  EXPECT_EQ(take(), (Names{" ", "z", "false", "z"}));
  logo.run("print (readkey 10)");
  EXPECT_EQ(take(), Names{""});  // nothing typed within the time
}

TEST_F(MainWindowInput, AReaderWaitsForTheKeyAndEndsWhenStopped) {
  logo.run("launch [print readkey]");
  type(Key::Character, 'k');
  EXPECT_EQ(deliver(), Names{"k"});
  logo.run("(launch [print readchar] \"reader)");
  logo.run("cancel \"reader");
  EXPECT_EQ(deliver(), Names{});
  EXPECT_EQ(allThreads().count(), 0u);
}

TEST_F(MainWindowInput, CtrlCSwitchesTheBufferOffUntilTheNextRead) {
  type(Key::Character, 'a');
  type(Key::Character, 3);  // Ctrl+C: the layout gives the control character
  type(Key::Character, 'b');
  uiThread().runPending();
  logo.run("print key?");  // reading switches the buffer on again
  type(Key::Character, 'c');
  uiThread().runPending();
  logo.run("print readkey");
  EXPECT_EQ(take(), (Names{"false", "c"}));
}

TEST_F(MainWindowInput, ClosingTheMainWindowStopsEveryProcess) {
  logo.run("launch [wait 100000]");
  EXPECT_EQ(allThreads().count(), 1u);
  EXPECT_FALSE(mainWindowClosed());
  platform->requestClose();
  EXPECT_EQ(uiThread().runUntil(mainWindowClosed, afterMilliseconds(10000)), RunEnd::Done);
  logo.waitForProcesses();
  EXPECT_EQ(allThreads().count(), 0u);
}

}  // namespace
}  // namespace lx
