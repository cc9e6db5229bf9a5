// Tool windows docked in the main window: bars take their room along their
// edges in the order of `order`, the page stands in what they leave, a bar
// turned between a horizontal and a vertical edge raises `onTurnToolBar`,
// and the tool buttons on a bar are pressed through the window.
#include <gtest/gtest.h>

#include "control_test_world.h"
#include "controls/control_painting.h"
#include "controls/tool_window_class.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"

namespace lx {
namespace {

using Lines = std::vector<std::string>;

class ToolWindows : public ::testing::Test {
 protected:
  ToolWindows() {
    window = &makeMainWindow("");
    panel = window->params.window.get();
    panel->setClientSize(900, 600);
  }
  void runAs(const std::string& name, const std::string& text) {
    logo.run("ask \"page1 [ask \"" + name + " [" + text + "]]");
  }
  void onPage(const std::string& text) { logo.run("ask \"page1 [" + text + "]"); }
  std::vector<std::string> printed() {
    logo.waitForProcesses();
    uiThread().runPending();
    logo.waitForProcesses();
    return logo.takePrinted();
  }
  std::string print(const std::string& name, const std::string& expression) {
    printed();
    runAs(name, "print " + expression);
    const std::vector<std::string> lines = logo.takePrinted();
    return lines.empty() ? "<nothing>" : lines.back();
  }
  PixelRect barArea(const std::string& name) {
    tmultiobject* bar = window->currentPage()->child(codeOf(name));
    return surfaceOf(*bar)->window().areaInHost();
  }
  PixelRect pageArea() { return window->currentPage()->surface()->window().areaInHost(); }
  void click(int x, int y) {
    panel->queueInput(MouseEvent{MouseAction::Move, x, y});
    panel->queueInput(MouseEvent{MouseAction::Down, x, y, MouseButton::Left});
    panel->queueInput(MouseEvent{MouseAction::Up, x, y, MouseButton::Left});
    uiThread().runPending();
  }

  testing::StartedControlsWorld world;
  testing::LogoSession logo;
  tSplitwindow* window = nullptr;
  PlatformWindow* panel = nullptr;
};

TEST_F(ToolWindows, BarsTakeTheirEdgesAndThePageStandsInWhatIsLeft) {
  // Alone in 900 x 600, the 796 x 499 page is centred.
  EXPECT_EQ(pageArea(), (PixelRect{52, 50, 796, 499}));
  onPage("new \"ToolWindow [name tools]");
  onPage("new \"ToolWindow [name side align left width 40]");
  EXPECT_EQ(barArea("tools"), (PixelRect{0, 0, 900, 34}));
  EXPECT_EQ(barArea("side"), (PixelRect{0, 34, 40, 566}));
  // What is left is 860 x 566 from (40, 34).
  EXPECT_EQ(pageArea(), (PixelRect{40 + 32, 34 + 33, 796, 499}));
  // The window shows the bars' faces along the edges.
  uiThread().runPending();
  panel->paintNow();
  EXPECT_EQ(panel->pixels().pixel(450, 5), look::kBar);
  EXPECT_EQ(panel->pixels().pixel(20, 300), look::kBar);
  // A wider window stretches the top bar; the side bar keeps its width.
  panel->setClientSize(1000, 600);
  EXPECT_EQ(barArea("tools"), (PixelRect{0, 0, 1000, 34}));
  EXPECT_EQ(barArea("side").width, 40);
  // Erasing a bar gives its room back.
  onPage("eraseobject \"side");
  EXPECT_EQ(pageArea(), (PixelRect{102, 34 + 33, 796, 499}));
}

TEST_F(ToolWindows, OrderPlacesBarsAtTheSameEdge) {
  onPage("new \"ToolWindow [name first order 1]");
  onPage("new \"ToolWindow [name second order 0 height 20]");
  EXPECT_EQ(barArea("second"), (PixelRect{0, 0, 900, 20}));
  EXPECT_EQ(barArea("first"), (PixelRect{0, 20, 900, 34}));
  runAs("second", "setorder 5");
  EXPECT_EQ(print("second", "order"), "5");
  EXPECT_EQ(barArea("first"), (PixelRect{0, 0, 900, 34}));
  EXPECT_EQ(barArea("second"), (PixelRect{0, 34, 900, 20}));
  EXPECT_EQ(logo.errorOf("ask \"page1 [ask \"first [setorder -1]]"), erMinMax);
}

TEST_F(ToolWindows, TurningBetweenHorizontalAndVerticalRaisesOnTurnToolBarOnce) {
  onPage("new \"ToolWindow [name tools]");
  runAs("tools", "setevent \"onTurnToolBar [print align print size]");
  runAs("tools", "setalign \"bottom");
  EXPECT_EQ(printed(), Lines{});
  EXPECT_EQ(barArea("tools"), (PixelRect{0, 600 - 34, 900, 34}));
  runAs("tools", "setalign \"right");
  // The handler sees the bar at its new edge, as thick as it was.
  EXPECT_EQ(printed(), (Lines{"right", "34 600"}));
  EXPECT_EQ(barArea("tools"), (PixelRect{900 - 34, 0, 34, 600}));
  runAs("tools", "setalign \"left");
  EXPECT_EQ(printed(), Lines{});
  runAs("tools", "setalign 1");  // the stored number of the top edge
  EXPECT_EQ(printed(), (Lines{"top", "900 34"}));
  // A word that names no edge changes nothing.
  EXPECT_EQ(logo.errorOf("ask \"page1 [ask \"tools [setalign \"middle]]"), erBadValue);
  EXPECT_EQ(logo.errorOf("ask \"page1 [ask \"tools [setalign 7]]"), erMinMax);
  EXPECT_EQ(print("tools", "align"), "top");
}

TEST_F(ToolWindows, ToolButtonsOnABarArePressedThroughTheWindow) {
  onPage("new \"ToolWindow [name tools]");
  runAs("tools", "new \"ToolButton [name pen aPos [4 3]]");
  runAs("tools", "new \"ToolButton [name eraser aPos [34 3]]");
  runAs("tools", "new \"Button [name plain aPos [64 3]]");
  EXPECT_EQ(print("tools", "allof \"ToolButton"), "pen eraser");
  EXPECT_EQ(print("tools", "activetoolbutton?"), "");
  click(4 + 13, 3 + 14);
  EXPECT_EQ(print("tools", "activetoolbutton?"), "pen");
  click(34 + 13, 3 + 14);
  EXPECT_EQ(print("tools", "activetoolbutton?"), "eraser");
  EXPECT_EQ(print("tools", "ask \"pen [down]"), "false");
  // The page below the bar still gets its own clicks: a click there is not the bar's.
  click(100, 94);
  EXPECT_EQ(print("tools", "activetoolbutton?"), "eraser");
}

}  // namespace
}  // namespace lx
