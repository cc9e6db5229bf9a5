// The mouse on a page: interactive drawings driven by injected input, and
// presses, moves and clicks dispatched to the graphic under the pointer or
// to the page's own events.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "fake_graphic.h"
#include "page_test_world.h"
#include "graphics/surface_mouse.h"
#include "graphics/surface_owner.h"
#include "platform/message_box.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;
using testing::FakeGraphic;

class PageMouse : public testing::PageTest {
 protected:
  PageMouse() {
    logo.run("new \"Page []");
    window = &surfaceNamed("page1").window();
  }

  void queue(MouseAction action, int x, int y, MouseButton button = MouseButton::None,
             Modifiers modifiers = kNoModifiers) {
    window->queueInput(MouseEvent{action, x, y, button, 1, modifiers});
  }
  // Delivers what is queued now.
  void deliver() { uiThread().runPending(); }
  // A press, a drag and a release with the left button.
  void drag(PixelPoint from, PixelPoint to, Modifiers modifiers = kNoModifiers) {
    queue(MouseAction::Down, from.x, from.y, MouseButton::Left);
    queue(MouseAction::Move, (from.x + to.x) / 2, (from.y + to.y) / 2, MouseButton::None, modifiers);
    queue(MouseAction::Move, to.x, to.y, MouseButton::None, modifiers);
    queue(MouseAction::Up, to.x, to.y, MouseButton::Left, modifiers);
  }

  PlatformWindow* window = nullptr;
};

TEST_F(PageMouse, AFlexibleLineOutputsItsEndsAndIsDrawn) {
  drag({10, 20}, {110, 20});
  runAs("page1", "print bgflexibleline");
  EXPECT_EQ(take(), Names{"[10 20] [110 20]"});
  EXPECT_EQ(surfaceNamed("page1").pixelAt(60, 20), 0u);
}

TEST_F(PageMouse, ShiftSnapsALineAtThirtyDegreesToTheDiagonal) {
  // 60 right and 35 up is about 30 degrees: the line becomes a 45-degree
  // diagonal with legs of round(sqrt((60^2 + 35^2) / 2)) = 49.
  drag({100, 100}, {160, 65}, kShift);
  runAs("page1", "print bgflexibleline");
  EXPECT_EQ(take(), Names{"[100 100] [149 51]"});
  drag({100, 100}, {160, 110}, kShift);
  runAs("page1", "print bgflexibleline");
  EXPECT_EQ(take(), Names{"[100 100] [160 100]"});
  drag({100, 100}, {104, 160}, kShift);
  runAs("page1", "print bgflexibleline");
  EXPECT_EQ(take(), Names{"[100 100] [100 160]"});
}

TEST_F(PageMouse, RectanglesComeOutWithTheirUpperLeftCornerAndPositiveSizes) {
  drag({80, 90}, {30, 40});
  runAs("page1", "setbglinecolour 12 print bgflexiblefilledrectangle");
  EXPECT_EQ(take(), Names{"30 40 50 50"});
  EXPECT_EQ(surfaceNamed("page1").pixelAt(55, 65), rgb(255, 0, 0));
  drag({10, 10}, {20, 30});
  runAs("page1", "print bgflexibleellipse");
  EXPECT_EQ(take(), Names{"[10 10] [20 30]"});
}

TEST_F(PageMouse, AFilledEllipseOutputsItsCornersAndFillsOnlyTheEllipse) {
  drag({20, 20}, {80, 60});
  runAs("page1", "setbglinecolour 12 print bgflexiblefilledellipse");
  EXPECT_EQ(take(), Names{"[20 20] [80 60]"});
  const tgrScreen& surface = surfaceNamed("page1");
  EXPECT_EQ(surface.pixelAt(50, 40), rgb(255, 0, 0));
  // The corners of the dragged box lie outside the ellipse.
  EXPECT_EQ(surface.pixelAt(22, 22), kWhite);
  EXPECT_EQ(surface.pixelAt(78, 58), kWhite);
}

TEST_F(PageMouse, ARightPressCancelsAndTheOutputIsEmpty) {
  queue(MouseAction::Down, 10, 10, MouseButton::Left);
  queue(MouseAction::Move, 50, 50);
  queue(MouseAction::Down, 50, 50, MouseButton::Right);
  runAs("page1", "print bgflexiblerectangle");
  EXPECT_EQ(take(), Names{""});
  EXPECT_EQ(surfaceNamed("page1").pixelAt(30, 10), kWhite);
  // A drawing of no extent outputs the empty list too.
  drag({5, 5}, {5, 5});
  runAs("page1", "print bgflexibleline");
  EXPECT_EQ(take(), Names{""});
}

TEST_F(PageMouse, ADrawingEndsWhenItsPageIsErasedMeanwhile) {
  uiThread().post([this] { destroyObject(*object("page1")); });
  runAs("page1", "print bgflexibleline");
  EXPECT_EQ(take(), Names{""});
  EXPECT_EQ(object("page1"), nullptr);
}

TEST_F(PageMouse, FreehandDrawsThePathTheMouseTook) {
  queue(MouseAction::Down, 10, 10, MouseButton::Left);
  queue(MouseAction::Move, 50, 10);
  queue(MouseAction::Move, 50, 50);
  queue(MouseAction::Up, 50, 50, MouseButton::Left);
  runAs("page1", "bgfreehand");
  const tgrScreen& surface = surfaceNamed("page1");
  EXPECT_EQ(surface.pixelAt(30, 10), 0u);
  EXPECT_EQ(surface.pixelAt(50, 30), 0u);
  EXPECT_EQ(surface.pixelAt(30, 30), kWhite);
}

TEST_F(PageMouse, SprayDrawsDotsAroundThePointerWhileTheButtonIsHeld) {
  queue(MouseAction::Move, 200, 200);
  deliver();
  queue(MouseAction::Down, 200, 200, MouseButton::Left);
  uiThread().setTimer(std::chrono::milliseconds(300), TimerRepeat::Once,
                      [this] { queue(MouseAction::Up, 200, 200, MouseButton::Left); });
  runAs("page1", "setbglinewidth 4 bgspray");
  const tgrScreen& surface = surfaceNamed("page1");
  int dotted = 0;
  for (int y = 190; y <= 210; ++y)
    for (int x = 190; x <= 210; ++x) dotted += surface.pixelAt(x, y) == 0;
  EXPECT_GT(dotted, 0);
  // Nothing lands beyond the pen width's radius and the dot's own size.
  EXPECT_EQ(surface.pixelAt(220, 200), kWhite);
  EXPECT_EQ(surface.pixelAt(200, 180), kWhite);
}

TEST_F(PageMouse, PressesGoToTheGraphicUnderThePointerAndClicksFollow) {
  FakeGraphic square({100, 100, 40, 40}, rgb(0, 255, 0));
  tgrScreen& surface = surfaceNamed("page1");
  surface.registerGraphic(square);
  queue(MouseAction::Move, 105, 105);
  queue(MouseAction::Down, 105, 105, MouseButton::Left);
  queue(MouseAction::Up, 106, 107, MouseButton::Left);
  queue(MouseAction::Move, 300, 300);
  deliver();
  std::vector<GraphicMouseKind> kinds;
  for (const GraphicMouse& m : square.mice) kinds.push_back(m.kind);
  // The click comes before the release, as the window system tells them.
  EXPECT_EQ(kinds, (std::vector<GraphicMouseKind>{GraphicMouseKind::Enter, GraphicMouseKind::Move,
                                                  GraphicMouseKind::Down, GraphicMouseKind::Click,
                                                  GraphicMouseKind::Up, GraphicMouseKind::Leave}));
  // Points are relative to the graphic's rectangle.
  EXPECT_EQ(square.mice[4].x, 6);
  EXPECT_EQ(square.mice[4].y, 7);
  EXPECT_EQ(surface.capturedGraphic(), nullptr);
  surface.unregisterGraphic(square);
}

TEST_F(PageMouse, AReleaseAwayFromTheGraphicIsNoClick) {
  FakeGraphic square({100, 100, 40, 40}, rgb(0, 255, 0));
  surfaceNamed("page1").registerGraphic(square);
  queue(MouseAction::Down, 105, 105, MouseButton::Left);
  queue(MouseAction::Move, 200, 200);  // dragging: the captured graphic gets the move
  queue(MouseAction::Up, 200, 200, MouseButton::Left);
  deliver();
  std::vector<GraphicMouseKind> kinds;
  for (const GraphicMouse& m : square.mice) kinds.push_back(m.kind);
  EXPECT_EQ(kinds, (std::vector<GraphicMouseKind>{GraphicMouseKind::Down, GraphicMouseKind::Move,
                                                  GraphicMouseKind::Up}));
  surfaceNamed("page1").unregisterGraphic(square);
}

TEST_F(PageMouse, WhatNoGraphicTakesRaisesThePagesEvents) {
  runAs("page1",
        "setevent \"onLeftDown [print \"down] setevent \"onClick [print \"click] "
        "setevent \"onLeftUp [print \"up]");
  queue(MouseAction::Down, 5, 5, MouseButton::Left);
  queue(MouseAction::Up, 5, 5, MouseButton::Left);
  deliver();
  logo.waitForProcesses();
  // Each event runs in a process of its own, so their prints may interleave.
  Names printed = take();
  std::sort(printed.begin(), printed.end());
  EXPECT_EQ(printed, (Names{"click", "down", "up"}));
}

TEST_F(PageMouse, TheMouseOverAPaneIsThePanes) {
  runAs("page1",
        "new \"Pane [name p1 apos [100 100]] ask \"p1 [setevent \"onLeftDown [print \"pane] "
        "setevent \"onLeftUp [print mousepos]] setevent \"onLeftDown [print \"page]");
  queue(MouseAction::Down, 110, 120, MouseButton::Left);
  // The release outside the pane still belongs to the pane that took the press.
  queue(MouseAction::Up, 250, 120, MouseButton::Left);
  queue(MouseAction::Down, 5, 5, MouseButton::Left);
  deliver();
  logo.waitForProcesses();
  // The pane's origin is its centre (50, 50): pixel (150, 20) of the pane.
  Names printed = take();
  std::sort(printed.begin(), printed.end());
  EXPECT_EQ(printed, (Names{"100 30", "page", "pane"}));
}

TEST_F(PageMouse, MouseStateReportsButtonsKeysAndThePageCoordinates) {
  queue(MouseAction::Move, 400, 240, MouseButton::None, kShift | kCtrl);
  queue(MouseAction::Down, 400, 240, MouseButton::Right, kShift | kCtrl);
  deliver();
  runAs("page1", "print mousestate print mousepos");
  EXPECT_EQ(take(), (Names{"2 3 [2 9]", "2 9"}));
}

TEST_F(PageMouse, EveryNameOfThePageAndPaneClassesIsInTheDictionary) {
  // Making the classes looked every command and property up; a missing
  // dictionary entry would have shown a message.
  clearShownMessages();
  registerGraphicsClasses(*mainObject());
  EXPECT_TRUE(shownMessages().empty()) << shownMessages().front().text;
}

// --- The floating selection ---

class PageSelection : public PageMouse {
 protected:
  SurfaceMouse& mouse() { return *surfaceOwnerOf(*object("page1"))->surfaceMouse(); }
  tgrScreen& page() { return surfaceNamed("page1"); }
  // A pixel rectangle as `createselection` takes it, in page coordinates.
  std::string pageRect(int x, int y, int width, int height) {
    const PixelPoint origin = page().origin();
    return "[" + std::to_string(x - origin.x) + " " + std::to_string(origin.y - y) + " " + std::to_string(width) +
           " " + std::to_string(height) + "]";
  }
  void click(int x, int y) {
    queue(MouseAction::Down, x, y, MouseButton::Left);
    queue(MouseAction::Up, x, y, MouseButton::Left);
    deliver();
  }
};

TEST_F(PageSelection, ACutFloatsIsDraggedAndIsDroppedWhereItStands) {
  runAs("page1", "bgfilledrectangle [100 100 20 20]");
  const Rgb square = page().pixelAt(110, 110);
  const Rgb background = page().pixelAt(300, 300);
  ASSERT_NE(square, background);
  runAs("page1", "createselection " + pageRect(100, 100, 20, 20));
  EXPECT_EQ(mouse().selectionRect(), (PixelRect{100, 100, 20, 20}));
  EXPECT_EQ(page().pixelAt(110, 110), background);  // the hole
  EXPECT_EQ(shown("page1").pixel(110, 110), square);  // the picture floating over it
  drag({110, 110}, {210, 160});
  deliver();
  EXPECT_EQ(mouse().selectionRect(), (PixelRect{200, 150, 20, 20}));
  EXPECT_EQ(page().pixelAt(210, 160), background);  // still floating
  EXPECT_EQ(shown("page1").pixel(210, 160), square);
  // A press beside it drops it into the drawing and is taken by nothing else.
  click(400, 400);
  EXPECT_FALSE(mouse().selectionRect().has_value());
  EXPECT_EQ(page().pixelAt(200, 150), square);
  EXPECT_EQ(page().pixelAt(219, 169), square);
  EXPECT_EQ(page().pixelAt(220, 170), background);
  EXPECT_EQ(page().pixelAt(110, 110), background);
}

TEST_F(PageSelection, ANewSelectionDropsTheOldAndAFileSelectionFloatsAtTheCorner) {
  runAs("page1", "bgfilledrectangle [10 10 4 4]");
  const Rgb square = page().pixelAt(11, 11);
  runAs("page1", "createselection " + pageRect(10, 10, 4, 4));
  drag({11, 11}, {51, 11});
  deliver();
  // A picture file of 30 x 20 red pixels.
  PixelBuffer red(30, 20, rgb(255, 0, 0));
  const auto file = std::filesystem::temp_directory_path() / ("lx-selection-" + std::to_string(::getpid()) + ".png");
  ASSERT_TRUE(red.writePng(file).ok);
  runAs("page1", "createfileselection \"|" + file.string() + "|");
  std::filesystem::remove(file);
  EXPECT_EQ(page().pixelAt(51, 11), square);  // the old one, dropped where it stood
  EXPECT_EQ(mouse().selectionRect(), (PixelRect{0, 0, 30, 20}));
  EXPECT_EQ(shown("page1").pixel(15, 10), rgb(255, 0, 0));
  EXPECT_NE(page().pixelAt(15, 10), rgb(255, 0, 0));
  click(300, 300);
  EXPECT_EQ(page().pixelAt(15, 10), rgb(255, 0, 0));
  EXPECT_EQ(page().pixelAt(0, 0), rgb(255, 0, 0));  // the frame was only shown, never drawn
}

TEST_F(PageSelection, NothingOfTheRectangleOnTheDrawingOrNoFileIsAnError) {
  EXPECT_EQ(errorAs("page1", "createselection " + pageRect(5000, 5000, 10, 10)), erBadStructure);
  EXPECT_EQ(errorAs("page1", "createselection [1 2 3]"), erExpectList);  // [[x y] w h] needs a point first
  EXPECT_EQ(errorAs("page1", "createfileselection \"nosuchpicture.png"), erNoEmbeddedFilePlugin);
  EXPECT_FALSE(mouse().selectionRect().has_value());
}

}  // namespace
}  // namespace lx
