// Turtles moving on a page: headings, positions in page coordinates, the
// range styles seen from Logo, and the pen's trace in the drawing.
#include "turtle_test_world.h"
#include "values/reader.h"

namespace lx {
namespace {

class TurtleMotion : public testing::TurtleTest {};
using testing::Lines;

TEST_F(TurtleMotion, ANewTurtleIsT1InTheMiddleOfItsPageFacingUp) {
  ASSERT_NE(object("t1"), nullptr);
  EXPECT_EQ(printed("print pos print heading print shown? print pen print apos"),
            (Lines{"0 0", "0", "true", "pendown", "398 249"}));
}

TEST_F(TurtleMotion, TurningKeepsTheHeadingWithinOneTurn) {
  EXPECT_EQ(printed("right 370 print heading left 30 print heading setheading -90 print heading"),
            (Lines{"10", "340", "270"}));
  EXPECT_EQ(printed("home left 30 print heading"), (Lines{"330"}));
}

TEST_F(TurtleMotion, ForwardFollowsTheHeadingInPageCoordinates) {
  EXPECT_EQ(printed("forward 100 print pos right 90 back 50 print pos"), (Lines{"0 100", "-50 100"}));
  EXPECT_EQ(printed("setxy 10 -20 print pos setpos [1.5 2] print xcor print ycor"),
            (Lines{"10 -20", "1.5", "2"}));
  EXPECT_EQ(printed("home print pos print heading"), (Lines{"0 0", "0"}));
  EXPECT_EQ(printed("setxy 3 4 print towards [3 10] print towards [0 0]"), (Lines{"0", "216.87"}));
}

TEST_F(TurtleMotion, ThePenDrawsOnlyWhenDown) {
  run("penup forward 50 pendown forward 50");
  EXPECT_EQ(pixel(398, 249 - 25), kWhite);
  EXPECT_EQ(pixel(398, 249 - 75), 0u);
  EXPECT_EQ(pixel(398, 249 - 100), 0u);
  run("home right 90 setpencolour [255 0 0] forward 20");
  EXPECT_EQ(pixel(408, 249), rgb(255, 0, 0));
}

TEST_F(TurtleMotion, EraseDrawsTheBackgroundAndReverseUndoesItself) {
  run("setpencolour [0 0 255] forward 40 home penerase forward 20");
  EXPECT_EQ(pixel(398, 239), kWhite);
  EXPECT_EQ(pixel(398, 219), rgb(0, 0, 255));
  // The same line twice in reverse leaves the drawing as it was.
  run("home right 90 penreverse forward 30 penup back 30 penreverse forward 30");
  for (int x = 390; x < 440; ++x) EXPECT_EQ(pixel(x, 249), kWhite) << x;
  run("penup back 30 penreverse forward 30");
  EXPECT_EQ(pixel(410, 249), rgb(255, 255, 0));
}

TEST_F(TurtleMotion, WrapContinuesAtTheOppositeEdge) {
  run("right 90 forward 1000");
  EXPECT_EQ(printed("print xcor"), (Lines{"206"}));
  EXPECT_EQ(pixel(795, 249), 0u);
  EXPECT_EQ(pixel(0, 249), 0u);
}

TEST_F(TurtleMotion, FenceStopsOnTheEdgePixel) {
  run("setrangestyle \"fence right 90 forward 1000");
  EXPECT_EQ(printed("print xcor print rangestyle"), (Lines{"397", "fence"}));
  EXPECT_EQ(errorOf("setrangestyle \"sideways"), erBadValue);
  EXPECT_EQ(printed("setrangestyle [] print rangestyle"), (Lines{"wrap"}));
}

TEST_F(TurtleMotion, BounceReflectsTurnsAndRaisesOnBounce) {
  run("setevent \"onBounce [print \"bounced] setrangestyle \"bounce right 90 forward 1000");
  EXPECT_EQ(printed("print xcor print heading"), (Lines{"bounced", "-206", "270"}));
  run("setheading 90 print heading back 1000");
  EXPECT_EQ(take(), (Lines{"90", "bounced"}));
  // Backing into a wall leaves the turtle facing away from it.
  EXPECT_EQ(printed("print heading"), (Lines{"90"}));
}

TEST_F(TurtleMotion, AWindowedTurtleLeavesThePage) {
  run("window forward 1000");
  EXPECT_EQ(printed("print ycor"), (Lines{"1000"}));
  run("setrangestyle \"wrap");
  EXPECT_EQ(printed("print ycor"), (Lines{"249"}));
}

TEST_F(TurtleMotion, AnOwnRangeBoundsTheTurtle) {
  run("setrange [-50 50 100 100] setrangestyle \"fence forward 500");
  EXPECT_EQ(printed("print pos print range"), (Lines{"0 50", "-50 50 100 100"}));
  run("setrange [] forward 500");
  EXPECT_EQ(printed("print range print ycor"), (Lines{"", "249"}));
}

TEST_F(TurtleMotion, HugeDistancesEndInsideTheRange) {
  run("right 33 forward 1e12");
  const PointF at = turtle().position();
  EXPECT_TRUE(at.x >= 0 && at.x <= 795 && at.y >= 0 && at.y <= 498);
  EXPECT_EQ(errorOf("forward \"far"), erExpectNumber);
}

TEST_F(TurtleMotion, ErrorsOfPositionsAndPens) {
  EXPECT_EQ(errorOf("setpos [1 2 3]"), erExpectList2);
  EXPECT_EQ(errorOf("setpos 5"), erExpectList2);
  EXPECT_EQ(errorOf("setpen \"sideways"), erExpectPen) << logo.lastError->what();
  EXPECT_EQ(errorOf("sethomestate [1 2]"), erBadStructure);
  EXPECT_EQ(errorOf("setpenstate [pendown 0 1]"), erBadStructure);
  EXPECT_EQ(errorOf("print towards \"nobody"), erTurtleUnknown);
  EXPECT_EQ(errorOf("print towards 5"), erExpectList2);
  EXPECT_EQ(errorOf("forward 10", "page1"), erDoNotKnowHowTo) << logo.lastError->what();
}

TEST_F(TurtleMotion, AnyGivesValuesWithinTheirRanges) {
  for (int i = 0; i < 20; ++i) {
    run("home forward \"any");
    const long double y = turtle().pagePosition().y;
    EXPECT_TRUE(y >= 1 && y <= 100) << static_cast<double>(y);
  }
  mainObject()->globals().setValue(codeOf("anyright"), readList("5 6"));
  run("setheading 0 right \"any");
  EXPECT_TRUE(turtle().heading() == 5 || turtle().heading() == 6);
  run("setpenwidth \"any");
  EXPECT_TRUE(turtle().pen.width >= 1 && turtle().pen.width <= 20);
}

}  // namespace
}  // namespace lx
