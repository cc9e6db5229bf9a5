// Drawing lists placed and drawn: the transform, the pixels of circles,
// ellipses and arcs at pen widths 1 and 3, clipping to the turtle's range,
// the turtle commands, and the picture a shape will show.
#include "graphics/drawing_list.h"

#include "graphics/drawing_picture.h"
#include "turtle_test_world.h"
#include "values/reader.h"

namespace lx {
namespace {

using testing::Lines;
using Points = std::vector<PointF>;

class DrawingLists : public testing::TurtleTest {
 protected:
  static constexpr int cx = 398, cy = 249;  // the turtle's pixel at the start
  bool inked(int x, int y) { return pixel(x, y) != kWhite; }
  std::unique_ptr<tDrawingList> compiled(const std::string& text, const DrawAttributes& start = {}) {
    auto drawing = std::make_unique<tDrawingList>();
    drawing->compile(readList(text), start);
    return drawing;
  }
};

TEST_F(DrawingLists, PlacingTurnsClockwiseScalesAndRoundsToPixels) {
  const auto square = compiled("repeat 4 [forward 50 right 90]");
  const TransformedDrawing right = square->placedCopy({{100, 100}, 1, 1, 90});
  EXPECT_EQ(right.items[0].points, (Points{{100, 100}, {150, 100}, {150, 150}, {100, 150}, {100, 100}}));
  EXPECT_EQ(right.hotSpot, (PixelPoint{100 - right.bounds.x, 100 - right.bounds.y}));
  EXPECT_TRUE(right.bounds.contains(150, 150) && right.bounds.contains(100, 100));
  const TransformedDrawing scaled = square->placedCopy({{0.4L, 0.6L}, 2, 0.5, 0});
  EXPECT_EQ(scaled.items[0].points[2], (PointF{100, -24}));
  // An ellipse turns with the drawing: at heading 90 it stands upright.
  const auto ellipse = compiled("ellipse [40 20] label x");
  const TransformedDrawing turned = ellipse->placedCopy({{0, 0}, 1, 1, 90});
  const PointF u = turned.items[0].points[1], v = turned.items[0].points[2];
  EXPECT_NEAR(double(std::hypot(u.x, v.x)), 10, 1e-9);
  EXPECT_NEAR(double(std::hypot(u.y, v.y)), 20, 1e-9);
  EXPECT_EQ(turned.items[1].heading, 90);
}

TEST_F(DrawingLists, AnEmptyCompiledListHasNoItemToRead) {
  auto drawing = compiled("penup forward 10");
  EXPECT_EQ(drawing->itemCount(), 0u);
  try {
    drawing->item(0);
    ADD_FAILURE() << "no error";
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erInternDrawingIndex);
  }
  drawing = compiled("dot forward 10");
  EXPECT_EQ(drawing->item(5).kind, DrawItemKind::Dot);  // beyond the end: the first
  // A failed compile leaves the drawing as it was.
  EXPECT_THROW(drawing->compile(readList("forward"), {}), eLogoException);
  EXPECT_EQ(drawing->itemCount(), 2u);
}

TEST_F(DrawingLists, CirclesCoverTheirDiameterAtPenWidthsOneAndThree) {
  run("drawlist [circle 10]");
  for (int d : {-5, 5}) {
    EXPECT_TRUE(inked(cx + d, cy)) << d;
    EXPECT_TRUE(inked(cx, cy + d)) << d;
  }
  for (int d : {-6, -4, 4, 6}) EXPECT_FALSE(inked(cx + d, cy)) << d;
  EXPECT_FALSE(inked(cx, cy));
  run("cs setpenwidth 3 drawlist [circle 10]");
  // Radius 4 with a pen 3 wide: the outline covers 3 to 5 pixels out.
  for (int d : {3, 4, 5}) {
    EXPECT_TRUE(inked(cx + d, cy)) << d;
    EXPECT_TRUE(inked(cx - d, cy)) << d;
    EXPECT_TRUE(inked(cx, cy - d)) << d;
  }
  for (int d : {2, 6}) EXPECT_FALSE(inked(cx + d, cy)) << d;
}

TEST_F(DrawingLists, FilledCirclesUseTheFillColourInsideThePen) {
  run("setpencolour [255 0 0] setfillcolour [0 0 255] drawlist [filledcircle 20]");
  EXPECT_EQ(pixel(cx, cy), rgb(0, 0, 255));
  EXPECT_EQ(pixel(cx + 9, cy), rgb(0, 0, 255));
  EXPECT_EQ(pixel(cx + 10, cy), rgb(255, 0, 0));
  EXPECT_EQ(pixel(cx + 11, cy), kWhite);
}

TEST_F(DrawingLists, EllipsesCoverTheirSizeAtPenWidthsOneAndThree) {
  run("ellipse [40 20]");
  EXPECT_TRUE(inked(cx + 20, cy) && inked(cx - 20, cy) && inked(cx, cy + 10) && inked(cx, cy - 10));
  EXPECT_FALSE(inked(cx + 21, cy) || inked(cx + 19, cy) || inked(cx, cy + 11) || inked(cx, cy + 9));
  run("cs setpenwidth 3 ellipse [40 20]");
  // Radii 19 and 9 for the pen's centre: the outline reaches 20 and 10.
  for (int d : {18, 19, 20}) EXPECT_TRUE(inked(cx + d, cy)) << d;
  for (int d : {8, 9, 10}) EXPECT_TRUE(inked(cx, cy - d)) << d;
  EXPECT_FALSE(inked(cx + 21, cy) || inked(cx + 17, cy) || inked(cx, cy - 11) || inked(cx, cy - 7));
  // Turned with the turtle.
  run("cs setpenwidth 1 right 90 ellipse [40 20]");
  EXPECT_TRUE(inked(cx + 10, cy) && inked(cx, cy + 20));
  EXPECT_FALSE(inked(cx + 20, cy));
}

TEST_F(DrawingLists, ArcsRunClockwiseFromTheTopAtPenWidthsOneAndThree) {
  for (int width : {1, 3}) {
    run("cs setpenwidth " + std::to_string(width) + " ellipse [40 20 0 90]");
    const int reach = width == 1 ? 0 : 1;  // the pen's centre lies inside by this
    EXPECT_TRUE(inked(cx, cy - 10 + reach)) << width;
    EXPECT_TRUE(inked(cx + 20 - reach, cy)) << width;
    EXPECT_TRUE(inked(cx + 14 - reach, cy - 7 + reach)) << width;  // halfway, at 45 degrees
    EXPECT_FALSE(inked(cx - 20 + reach, cy)) << width;
    EXPECT_FALSE(inked(cx, cy + 10 - reach)) << width;
    EXPECT_FALSE(inked(cx - 14, cy - 7)) << width;
    EXPECT_FALSE(inked(cx, cy)) << width;  // an outline has no spokes
  }
  // A pie: the quarter is filled, the rest of the ellipse is not.
  run("cs setpenwidth 1 setfillcolour [0 200 0] filledellipse [40 20 90 90]");
  EXPECT_EQ(pixel(cx + 8, cy + 4), rgb(0, 200, 0));
  EXPECT_EQ(pixel(cx - 8, cy + 4), kWhite);
  EXPECT_EQ(pixel(cx + 8, cy - 4), kWhite);
  // At heading 90 the quarter from the top turns to the quarter from the right.
  run("cs right 90 ellipse [40 20 0 90]");
  EXPECT_TRUE(inked(cx + 10, cy) && inked(cx, cy + 20));
  EXPECT_FALSE(inked(cx - 10, cy) || inked(cx, cy - 20));
}

TEST_F(DrawingLists, DrawingsStayWithinTheTurtlesRange) {
  // A range in the three-element form: 40 × 40 pixels with the turtle at its centre.
  // The pen is wide, but the outline is far outside the range.
  run("setrange [[-20 20] 40 40] setpenwidth 30 setfillcolour [0 0 255] polygon [penup setpos [-100 -100] "
      "pendown setpos [100 -100] setpos [100 100] setpos [-100 100]]");
  EXPECT_EQ(pixel(cx - 20, cy - 20), rgb(0, 0, 255));
  EXPECT_EQ(pixel(cx + 19, cy + 19), rgb(0, 0, 255));
  EXPECT_EQ(pixel(cx - 21, cy), kWhite);
  EXPECT_EQ(pixel(cx + 20, cy), kWhite);
  EXPECT_EQ(pixel(cx, cy + 20), kWhite);
  // Points far outside every surface are cut before they are drawn.
  run("cs setrange [] setpenwidth 1 drawlist [penup setpos [-1e8 100] pendown setpos [1e8 100] penup setpos "
      "[0 -1000000] "
      "circle 2000000]");
  EXPECT_TRUE(inked(0, cy - 100) && inked(795, cy - 100));
  // The circle's top passes through the turtle's place.
  EXPECT_TRUE(inked(cx, cy) && inked(cx - 300, cy) && inked(cx + 300, cy));
  EXPECT_FALSE(inked(cx, cy - 1) || inked(cx, cy + 1));
}

TEST_F(DrawingLists, WhatTheListChangesStaysInTheList) {
  run("setpencolour [1 2 3] right 30 drawlist [setpencolour [255 0 0] setpenwidth 5 setfillpattern 3 "
      "setheading 0 penup forward 10 "
      "setfont [[Serif] [20 400 0 0 0 1]]]");
  EXPECT_EQ(printed("print pencolour print penwidth print fillpattern print heading print pos print pen"),
            (Lines{"1 2 3", "1", "0", "30", "0 0", "pendown"}));
  run("penup drawlist [setpencolour [255 0 0] forward 20]");
  EXPECT_EQ(pixel(cx + 5, cy - 9), rgb(255, 0, 0));  // drawn whatever the turtle's pen
  EXPECT_EQ(printed("print pos print pen"), (Lines{"0 0", "penup"}));
}

TEST_F(DrawingLists, TheTurtleCommandsDrawTheirOneCommandList) {
  run("polygon [4 [20 90]]");
  EXPECT_EQ(pixel(cx + 10, cy - 10), 0u);  // filled black, the turtle's fill colour
  run("cs outline [[0 0] [0 30] [] [10 0] [10 30]]");
  EXPECT_TRUE(inked(cx, cy - 15) && inked(cx + 10, cy - 15));
  EXPECT_FALSE(inked(cx + 5, cy - 30));
  // A curve's list is a drawing list, not a list of points.
  EXPECT_EQ(errorOf("drawspline [[0 0] [20 20]]"), erExpectWord);
  run("cs drawspline [forward 20 right 90 forward 20]");
  EXPECT_TRUE(inked(cx, cy) && inked(cx + 20, cy - 20));
  run("cs filledellipse [30 30]");
  EXPECT_EQ(pixel(cx, cy), 0u);
  EXPECT_EQ(errorOf("drawlist 5"), erExpectList);
  EXPECT_EQ(errorOf("polygon 5"), erExpectList);
  EXPECT_EQ(errorOf("ellipse [1 2 3]"), erBadStructure);
  EXPECT_EQ(errorOf("drawlist [forward 10 50]"), erDrawingMissingComm);
}

TEST_F(DrawingLists, APictureHoldsTheDrawingAroundItsHotSpot) {
  DrawAttributes red;
  red.pen.colour = rgb(255, 0, 0);
  const auto line = compiled("forward 20", red);
  const DrawingPicture up = drawingPicture(*line, 0, 1, 1);
  ASSERT_GT(up.pixels.width(), 0);
  EXPECT_TRUE(up.coveredAt(up.hotSpot.x, up.hotSpot.y));
  EXPECT_TRUE(up.coveredAt(up.hotSpot.x, up.hotSpot.y - 20));
  EXPECT_EQ(up.pixels.pixel(up.hotSpot.x, up.hotSpot.y - 10), rgb(255, 0, 0));
  EXPECT_FALSE(up.coveredAt(up.hotSpot.x + 1, up.hotSpot.y - 10));
  // Turned to 90 and doubled: 40 pixels to the right.
  const DrawingPicture right = drawingPicture(*line, 90, 2, 2);
  EXPECT_TRUE(right.coveredAt(right.hotSpot.x + 40, right.hotSpot.y));
  EXPECT_FALSE(right.coveredAt(right.hotSpot.x, right.hotSpot.y - 10));
  EXPECT_EQ(drawingPicture(*compiled("penup forward 10"), 0, 1, 1).pixels.width(), 0);
}

}  // namespace
}  // namespace lx
