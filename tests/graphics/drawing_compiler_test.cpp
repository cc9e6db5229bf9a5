// Compiling drawing lists: both list forms, paths and shapes, the pen's
// changes, the geometry of ellipses and arcs, the caps, and the error code
// of every kind of malformed list.
#include "graphics/drawing_compiler.h"

#include "graphics/colour_value.h"
#include "graphics/drawing_path.h"
#include "turtle_test_world.h"
#include "values/reader.h"

namespace lx {
namespace {

class DrawingCompiler : public testing::TurtleTest {
 protected:
  std::vector<DrawItem> compile(const std::string& text, const DrawAttributes& start = {}) {
    return compileDrawing(*readList(text), start);
  }
  // The item kinds in order.
  std::vector<DrawItemKind> kinds(const std::string& text, const DrawAttributes& start = {}) {
    std::vector<DrawItemKind> found;
    for (const DrawItem& item : compile(text, start)) found.push_back(item.kind);
    return found;
  }
  eLogoException failure(const std::string& text) {
    try {
      compile(text);
    } catch (const eLogoException& e) {
      return e;
    }
    return eLogoException(erUnexpected);
  }
};

using Points = std::vector<PointF>;
using K = DrawItemKind;

TEST_F(DrawingCompiler, BothFormsDrawTheSameSquare) {
  const Points square{{0, 0}, {0, -50}, {50, -50}, {50, 0}, {0, 0}};
  for (const char* text :
       {"4 [50 90]", "repeat 4 [forward 50 right 90]", "rt 90 lt 90 repeat 4 [fd 50 rt 90]"}) {
    const std::vector<DrawItem> items = compile(text);
    ASSERT_EQ(items.size(), 1u) << text;
    EXPECT_EQ(items[0].kind, K::Polyline) << text;
    EXPECT_EQ(items[0].points, square) << text;
  }
  EXPECT_EQ(compile("50 90 50")[0].points, (Points{{0, 0}, {0, -50}, {50, -50}}));
}

TEST_F(DrawingCompiler, APolygonIsOneClosedFilledItem) {
  const std::vector<DrawItem> items = compile("polygon [4 [50 90]]");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].kind, K::Polygon);
  EXPECT_EQ(items[0].points.front(), items[0].points.back());
  // An open path is closed; inner polygons go on with the same one.
  const std::vector<DrawItem> triangle = compile("polygon [forward 30 polygon [right 90 forward 40]]");
  ASSERT_EQ(triangle.size(), 1u);
  EXPECT_EQ(triangle[0].points, (Points{{0, 0}, {0, -30}, {40, -30}, {0, 0}}));
  // Dots and labels are left out of polygons, drawn outside them.
  EXPECT_EQ(kinds("polygon [dot label \"a forward 10 right 90 forward 10] dot"),
            (std::vector<K>{K::Polygon, K::Dot}));
}

TEST_F(DrawingCompiler, ThePenLiftsAndMovesWithinTheListsFrame) {
  const std::vector<DrawItem> items = compile("forward 10 penup forward 10 pendown forward 10");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1].points, (Points{{0, -20}, {0, -30}}));
  // setpos takes y upwards; setheading turns the list, not the turtle.
  EXPECT_EQ(compile("setpos [10 20] setheading 90 forward 5")[0].points,
            (Points{{0, 0}, {10, -20}, {15, -20}}));
  EXPECT_TRUE(compile("penup forward 10 right 90 forward 10").empty());
  EXPECT_TRUE(compile("forward 0").empty());
  EXPECT_TRUE(compile("").empty());
}

TEST_F(DrawingCompiler, ChangesOfThePenAreItemsOnlyWhereTheyChangeSomething) {
  DrawAttributes start;
  start.pen = {rgb(255, 0, 0), 3, PenStyle::InsideFrame};
  // Red is already the pen's colour; the width changes, then changes back.
  const std::vector<DrawItem> items = compile(
      "setpencolour [255 0 0] setpenwidth 5 forward 10 setpenwidth 3 forward 10 setpenwidth 3 "
      "forward 10 setfillpattern 2 setfillcolour 1 dot",
      start);
  std::vector<K> found;
  for (const DrawItem& item : items) found.push_back(item.kind);
  EXPECT_EQ(found, (std::vector<K>{K::PenWidth, K::Polyline, K::PenWidth, K::Polyline, K::Polyline, K::Brush,
                                   K::Dot}));
  EXPECT_EQ(items[0].width, 5);
  EXPECT_EQ(items[2].width, 3);
  EXPECT_EQ(items[5].colour, paletteColour(1));
  EXPECT_EQ(items[5].fillStyle, FillStyle::Cross);
  EXPECT_EQ(items[6].size, 3);  // a dot of the pen's width
  // A change ends the path: the next path starts where the pen stands.
  EXPECT_EQ(items[3].points, (Points{{0, -10}, {0, -20}}));
  EXPECT_EQ(items[4].points, (Points{{0, -20}, {0, -30}}));
}

TEST_F(DrawingCompiler, CirclesAndEllipsesKeepTheirOutlineInsideTheirSize) {
  DrawAttributes wide;
  wide.pen.width = 3;
  const std::vector<DrawItem> circle = compile("circle 10", wide);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_EQ(circle[0].kind, K::Ellipse);
  EXPECT_EQ(circle[0].points, (Points{{0, 0}, {4, 0}, {0, 4}}));
  const std::vector<DrawItem> ellipse = compile("forward 5 filledellipse [40 20]");
  EXPECT_EQ(ellipse.back().kind, K::FilledEllipse);
  EXPECT_EQ(ellipse.back().points, (Points{{0, -5}, {20, 0}, {0, 10}}));
  EXPECT_EQ(compile("filledcircle -9").back().points, (Points{{0, 0}, {4.5, 0}, {0, 4.5}}));
  // An arc of a whole turn is the whole ellipse.
  EXPECT_EQ(kinds("ellipse [40 20 30 360] ellipse [40 20 30 720]"), (std::vector<K>{K::Ellipse, K::Ellipse}));
}

TEST_F(DrawingCompiler, ArcsRunClockwiseFromTheTopAndPiesIncludeTheCentre) {
  const std::vector<DrawItem> arc = compile("ellipse [40 20 0 90]");
  ASSERT_EQ(arc.size(), 1u);
  EXPECT_EQ(arc[0].kind, K::Polyline);
  EXPECT_EQ(arc[0].points.front(), (PointF{0, -10}));
  EXPECT_EQ(arc[0].points.back(), (PointF{20, 0}));
  for (const PointF& p : arc[0].points)
    EXPECT_TRUE(p.x >= 0 && p.y <= 0) << double(p.x) << " " << double(p.y);
  // Steps of at most 12 degrees: 8 steps and the end for a quarter.
  EXPECT_EQ(arc[0].points.size(), 9u);
  const std::vector<DrawItem> pie = compile("filledellipse [40 20 -90 -270]");
  ASSERT_EQ(pie.size(), 1u);
  EXPECT_EQ(pie[0].kind, K::Polygon);
  EXPECT_EQ(pie[0].points.front(), (PointF{0, 0}));
  EXPECT_EQ(pie[0].points.back(), (PointF{0, 0}));
  // -90 (the left) through a sweep of -270, that is 90, to the top.
  EXPECT_EQ(pie[0].points[1], (PointF{-20, 0}));
  EXPECT_EQ(pie[0].points[pie[0].points.size() - 2], (PointF{0, -10}));
  // A huge start angle still gives a short arc.
  EXPECT_LT(compile("ellipse [40 20 1e300 10]")[0].points.size(), 5u);
}

TEST_F(DrawingCompiler, OutlinePointsAreTurnedWithTheHeadingAndLeaveThePenAsItWas) {
  const std::vector<DrawItem> items = compile("right 90 outline [[0 0] [10 0] [] [0 10] [5 10]] forward 5");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].points, (Points{{0, 0}, {0, 10}}));
  EXPECT_EQ(items[1].points, (Points{{10, 0}, {10, 5}}));
  // Back at the start with the pen down.
  EXPECT_EQ(items[2].points, (Points{{0, 0}, {5, 0}}));
}

TEST_F(DrawingCompiler, VectorsDrawWithThePenAsItIs) {
  EXPECT_EQ(compile("drawvectors [[10 0] [0 10]]")[0].points, (Points{{0, 0}, {10, 0}, {10, -10}}));
  EXPECT_TRUE(compile("penup drawvectors [[10 0] [0 10]]").empty());
  // [] lifts the pen for the next vector only.
  const std::vector<DrawItem> items = compile("drawvectors [[10 0] [] [0 10] [0 10]]");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1].points, (Points{{10, -10}, {10, -20}}));
}

TEST_F(DrawingCompiler, SplinesPassThroughTheirEnds) {
  const std::vector<DrawItem> items =
      compile("drawspline [forward 10 right 90 forward 10 right 90 forward 10]");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].points.front(), (PointF{0, 0}));
  EXPECT_EQ(items[0].points.back(), (PointF{10, 0}));
  EXPECT_GT(items[0].points.size(), 4u);
  const std::vector<DrawItem> closed = compile("polygon [drawspline [3 [30 120]]]");
  EXPECT_EQ(closed[0].kind, K::Polygon);
  EXPECT_EQ(closed[0].points.front(), closed[0].points.back());
}

TEST_F(DrawingCompiler, LabelsKeepTheirHeadingAndLabel2DoesNotMove) {
  const std::vector<DrawItem> items =
      compile("right 30 label2 [hello there] forward 10 setfont [[Serif] [12 700 0 0 0 1]] label 5");
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].kind, K::Label2);
  EXPECT_EQ(items[0].text, "hello there");
  EXPECT_EQ(items[0].heading, 30);
  EXPECT_EQ(items[1].points.front(), (PointF{0, 0}));
  EXPECT_EQ(items[2].kind, K::Font);
  EXPECT_EQ(items[2].font.face, "Serif");
  EXPECT_EQ(items[3].text, "5");
}

TEST_F(DrawingCompiler, RepeatsAndPathsHaveTheirCaps) {
  // 20000 rounds run 10000 times.
  EXPECT_EQ(compile("repeat 20000 [right 1 dot]").size(), 10000u);
  EXPECT_EQ(compile("20000 [dot]").size(), 10000u);
  // 15000 moves: the path keeps 9999 points, the last where the pen ended.
  const std::vector<DrawItem> long_path = compile("repeat 3 [repeat 5000 [forward 1]]");
  ASSERT_EQ(long_path.size(), 1u);
  EXPECT_EQ(long_path[0].points.size(), kMaxPathPoints);
  EXPECT_EQ(long_path[0].points.back(), (PointF{0, -15000}));
  EXPECT_TRUE(compile("repeat 0 [forward 10] repeat -3 [forward 10]").empty());
}

// Every malformed list has its error, and the error names the command.
TEST_F(DrawingCompiler, EveryMalformedListHasItsErrorCode) {
  const std::vector<std::pair<const char*, errorConst>> table = {
      {"jump 10", erDrawingComm},
      {"50 90 forward 10", erDrawingComm},
      {"4 [50 90] repeat 4 [right 90]", erDrawingComm},
      {"polygon", erDrawingMissingList},
      {"drawspline", erDrawingMissingList},
      {"repeat 4", erDrawingMissingList},
      {"outline", erDrawingMissingPoints},
      {"drawvectors", erDrawingMissingPoints},
      {"outline [[1 2 3]]", erDrawingWrongPoints},
      {"outline [5]", erDrawingWrongPoints},
      {"drawvectors [[a b]]", erDrawingWrongPoints},
      {"setfont", erDrawingMissingFont},
      {"label", erDrawingMissingText},
      {"label2", erDrawingMissingText},
      {"setpencolour", erDrawingMissingColor},
      {"setfillcolour", erDrawingMissingColor},
      {"setfillpattern", erDrawingMissingFP},
      {"setpenpattern", erDrawingMissingPP},
      {"setpenwidth", erDrawingMissingNumber},
      {"circle", erDrawingMissingNumber},
      {"point", erDrawingMissingNumber},
      {"setheading", erDrawingMissingNumber},
      {"forward", erDrawingMissingNumber},
      {"back", erDrawingMissingNumber},
      {"right", erDrawingMissingNumber},
      {"left", erDrawingMissingNumber},
      {"repeat", erDrawingMissingNumber},
      {"setpos", erDrawingMissingNumber2},
      {"ellipse", erDrawingMissingNumber2},
      {"filledellipse", erDrawingMissingNumber2},
      {"forward 10 50", erDrawingMissingComm},
      {"right 90 4 [50 90]", erDrawingMissingComm},
      {"polygon 5", erExpectList},
      {"ellipse 5", erExpectList},
      {"outline 5", erExpectList},
      {"repeat 4 5", erExpectList},
      {"ellipse [1 2 3]", erBadStructure},
      {"ellipse [1 2 3 4 5]", erBadStructure},
      {"setpos [1 2 3]", erExpectList2},
      {"setpos 5", erExpectList2},
      {"50 abc", erExpectNumber},
      {"forward abc", erExpectNumber},
      {"ellipse [a 2]", erExpectNumber},
      {"[forward 10]", erExpectWord},
      {"polygon [[forward 10]]", erExpectWord},
      {"setpencolour [1 2]", erExpectColors},
      {"setpenwidth -1", erMinMax},
      {"setfillpattern 8", erMinMax},
      {"setpenpattern 7", erMinMax},
      {"setfont 5", erExpectList},
      {"forward 1e10", erNumTooBig},
      {"circle 1e300", erNumTooBig},
      {"repeat 10000 [repeat 10000 [forward 1]]", erNumTooBig},
      {"repeat 10000 [repeat 10000 []]", erNumTooBig},
      {"repeat 10000 [repeat 20 [dot]]", erNumTooBig},
      {"10000 [drawspline [14 [1 1]]]", erNumTooBig},  // smoothed curves of over a million points
      {"repeat 10000 [repeat 5 [label [a few words]]]", erNumTooBig},
  };
  for (const auto& [text, code] : table) EXPECT_EQ(failure(text).code, code) << text;
  // 93 to 104 show the drawing word; the input errors name it as the command.
  EXPECT_EQ(failure("jump 10").value->printText(0), "jump");
  EXPECT_EQ(failure("repeat 3 [fd]").value->printText(0), "fd");
  EXPECT_EQ(failure("forward abc").primName, "forward");
  EXPECT_EQ(failure("setpc [1 2]").primName, "setpc");
  EXPECT_EQ(failure("forward 1e10").primName, "forward");
  EXPECT_EQ(failure("repeat 10000 [repeat 10000 [forward 1]]").primName, "");  // the list is too big
}

}  // namespace
}  // namespace lx
