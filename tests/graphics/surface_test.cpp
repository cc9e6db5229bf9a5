// The drawing surface: coordinates, the graphic list, composition of the
// background with graphics, invalidation, resizing and undo.
#include <gtest/gtest.h>

#include <memory>

#include "fake_graphic.h"
#include "graphics/gr_screen.h"
#include "graphics/undo_bitmap.h"

namespace lx {
namespace {

using testing::FakeGraphic;

class Surface : public ::testing::Test {
 protected:
  Surface()
      : window(std::make_shared<PlatformWindow>(ui, WindowParams{"page", 0, 0, 796, 499, true})),
        surface(std::make_unique<tgrScreen>(window)) {}
  ~Surface() override { undoBitmap().clearundo(); }

  void paint() {
    surface->enablePainting();
    window->paintNow();
  }

  UiThread ui;
  std::shared_ptr<PlatformWindow> window;
  std::unique_ptr<tgrScreen> surface;
};

TEST_F(Surface, ANewSurfaceHasItsOriginInTheMiddleAndTheFullDefaultRange) {
  EXPECT_EQ(surface->origin(), (PixelPoint{398, 249}));
  EXPECT_EQ(surface->upperLeft(), (PointF{-398, 249}));
  EXPECT_EQ(surface->defaultRange(), (SurfaceRange{0, 795, 0, 498}));
  EXPECT_EQ(surface->backgroundColour(), kWhite);
  EXPECT_EQ(surface->linePen(), (Pen{0, 1, PenStyle::InsideFrame}));
}

TEST_F(Surface, PageAndPixelCoordinatesConvertBothWays) {
  EXPECT_EQ(surface->toPixel({0, 0}), (PointF{398, 249}));
  EXPECT_EQ(surface->toPixel({10, 20}), (PointF{408, 229}));
  EXPECT_EQ(surface->toPage({0, 0}), (PointF{-398, 249}));
  EXPECT_EQ(surface->toPage(surface->toPixel({-3.5L, 7.25L})), (PointF{-3.5L, 7.25L}));
  surface->setOrigin({0, 0});
  // With the origin in the upper-left corner every pixel below it has a negative y.
  EXPECT_EQ(surface->toPage({5, 498}), (PointF{5, -498}));
  EXPECT_EQ(roundedPixel({2.5L, -2.5L}), (PixelPoint{3, -3}));
}

TEST_F(Surface, PixelsOutsideTheBitmapAreTheBackgroundColour) {
  surface->setBackgroundColour(rgb(1, 2, 3));
  EXPECT_EQ(surface->pixelAt(-1, 0), rgb(1, 2, 3));
  EXPECT_EQ(surface->pixelAt(796, 10), rgb(1, 2, 3));
  EXPECT_EQ(surface->pixelAt(100000, -100000), rgb(1, 2, 3));
  EXPECT_EQ(surface->pixelAt(0, 0), kWhite);  // drawn white before the colour changed
  surface->clean();
  EXPECT_EQ(surface->pixelAt(0, 0), rgb(1, 2, 3));
}

TEST_F(Surface, GraphicsAreComposedInListOrderOverTheBackground) {
  FakeGraphic low({10, 10, 20, 20}, rgb(255, 0, 0));
  FakeGraphic high({20, 20, 20, 20}, rgb(0, 0, 255));
  FakeGraphic hidden({0, 0, 5, 5}, rgb(0, 255, 0));
  hidden.shown = false;
  surface->registerGraphic(low);
  surface->registerGraphic(high);
  surface->registerGraphic(hidden);
  EXPECT_LT(low.creationNumber, high.creationNumber);
  paint();
  const PixelBuffer& shown = window->pixels();
  EXPECT_EQ(shown.pixel(12, 12), rgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(25, 25), rgb(0, 0, 255));
  EXPECT_EQ(shown.pixel(2, 2), kWhite);
  // Graphics are never drawn into the background bitmap.
  EXPECT_EQ(surface->pixelAt(12, 12), kWhite);
  surface->toBack(high);
  window->paintNow();
  EXPECT_EQ(window->pixels().pixel(25, 25), rgb(255, 0, 0));
  surface->unregisterGraphic(low);
  surface->unregisterGraphic(high);
  surface->unregisterGraphic(hidden);
}

TEST_F(Surface, NothingIsPaintedBeforePaintingIsEnabled) {
  FakeGraphic square({0, 0, 10, 10}, rgb(255, 0, 0));
  surface->registerGraphic(square);
  window->invalidateAll();
  window->paintNow();
  EXPECT_EQ(window->pixels().pixel(5, 5), kWhite);
  paint();
  EXPECT_EQ(window->pixels().pixel(5, 5), rgb(255, 0, 0));
  surface->unregisterGraphic(square);
}

TEST_F(Surface, OnlyTheInvalidatedRectangleIsRepainted) {
  paint();
  {
    auto held = surface->lockDrawing();
    surface->bitmap().setPixel(100, 100, 0);
    surface->bitmap().setPixel(300, 300, 0);
    surface->bitmap().markDirty();
  }
  // A one-pixel change with a pen of width 4 repaints 2 + 3 pixels around it.
  surface->invalidate({100, 100, 1, 1}, 4);
  window->paintNow();
  EXPECT_EQ(window->pixels().pixel(100, 100), 0u);
  EXPECT_EQ(window->pixels().pixel(300, 300), kWhite);
}

TEST_F(Surface, HitTestingFindsTheTopmostShapeUnderThePoint) {
  FakeGraphic low({0, 0, 80, 40}, rgb(255, 0, 0));
  FakeGraphic high({10, 0, 40, 40}, rgb(0, 0, 255));
  surface->registerGraphic(low);
  surface->registerGraphic(high);
  EXPECT_EQ(surface->graphicAt(15, 5), &high);
  // Right half of `high` is not its shape: the point falls through to `low`.
  EXPECT_EQ(surface->graphicAt(35, 5), &low);
  EXPECT_EQ(surface->graphicAt(45, 5), nullptr);
  high.shown = false;
  EXPECT_EQ(surface->graphicAt(15, 5), &low);
  surface->unregisterGraphic(low);
  surface->unregisterGraphic(high);
}

TEST_F(Surface, ResizingKeepsTheDrawingAndTheOriginAndTellsTheGraphics) {
  FakeGraphic square({0, 0, 10, 10}, 0);
  surface->registerGraphic(square);
  surface->setBackgroundColour(rgb(0, 0, 9));
  {
    auto held = surface->lockDrawing();
    surface->bitmap().setPixel(5, 5, rgb(7, 7, 7));
  }
  surface->resize(900, 600);
  EXPECT_EQ(surface->pixelAt(5, 5), rgb(7, 7, 7));
  EXPECT_EQ(surface->pixelAt(850, 550), rgb(0, 0, 9));
  EXPECT_EQ(surface->defaultRange(), (SurfaceRange{0, 899, 0, 599}));
  EXPECT_EQ(surface->origin(), (PixelPoint{398, 249}));
  EXPECT_EQ(square.resized, 1);
  surface->unregisterGraphic(square);
}

TEST_F(Surface, DestroyingTheSurfaceDetachesItsGraphicsAndClearsUndo) {
  FakeGraphic square({0, 0, 10, 10}, 0);
  surface->registerGraphic(square);
  undoBitmap().saveforundo(*surface);
  surface.reset();
  EXPECT_TRUE(square.gone);
  EXPECT_EQ(undoBitmap().undoObject(), nullptr);
}

TEST_F(Surface, TwoUndosLeaveTheDrawingAsBeforeTheFirst) {
  undoBitmap().saveforundo(*surface);
  {
    auto held = surface->lockDrawing();
    surface->bitmap().setPixel(1, 1, rgb(255, 0, 0));
  }
  undoBitmap().doUndo();
  EXPECT_EQ(surface->pixelAt(1, 1), kWhite);
  undoBitmap().doUndo();
  EXPECT_EQ(surface->pixelAt(1, 1), rgb(255, 0, 0));
  undoBitmap().clearundo();
  undoBitmap().doUndo();
  EXPECT_EQ(surface->pixelAt(1, 1), rgb(255, 0, 0));
}

TEST_F(Surface, UndoAfterAResizeFitsTheSavedDrawingToTheNewSize) {
  undoBitmap().saveforundo(*surface);
  surface->resize(100, 50);
  undoBitmap().doUndo();
  EXPECT_EQ(surface->width(), 100);
  EXPECT_EQ(surface->height(), 50);
}

TEST(PenPatterns, IndicesAndStylesMapBothWays) {
  for (int i = 0; i < kPenPatternCount; ++i) EXPECT_EQ(penPatternIndex(penStyleOf(i)), i);
  for (int i = 0; i < kFillPatternCount; ++i) EXPECT_EQ(fillPatternIndex(fillStyleOf(i)), i);
  EXPECT_EQ(penStyleOf(99), PenStyle::InsideFrame);
  EXPECT_TRUE(brushCovers(FillStyle::Horizontal, 3, 8));
  EXPECT_FALSE(brushCovers(FillStyle::Horizontal, 3, 9));
  EXPECT_TRUE(brushCovers(FillStyle::Cross, -8, 5));
}

}  // namespace
}  // namespace lx
