// What turtles draw beside their paths, their properties as Logo reads and
// writes them, showing, overlaps and collisions.
#include <algorithm>

#include "turtle_test_world.h"

namespace lx {
namespace {

class TurtleDrawing : public testing::TurtleTest {};
using testing::Lines;

int countPixels(tgrScreen& page, const PixelRect& rect, Rgb colour) {
  int n = 0;
  for (int y = rect.y; y < rect.bottom(); ++y)
    for (int x = rect.x; x < rect.right(); ++x) n += page.pixelAt(x, y) == colour;
  return n;
}

TEST_F(TurtleDrawing, DotsAndPointsAreRoundAndCentred) {
  run("setpencolour [255 0 0] dot");
  EXPECT_EQ(pixel(398, 249), rgb(255, 0, 0));
  EXPECT_EQ(pixel(399, 249), kWhite);
  run("setxy 100 0 point 11");
  EXPECT_EQ(pixel(498, 249), rgb(255, 0, 0));
  EXPECT_EQ(pixel(498 - 4, 249), rgb(255, 0, 0));
  EXPECT_EQ(pixel(498 - 4, 249 - 4), kWhite);
  EXPECT_EQ(printed("print dotcolor penup setxy 0 100 print dotcolor"), (Lines{"12", "15"}));
}

TEST_F(TurtleDrawing, FillFillsTheAreaUnderTheTurtleWithTheBrush) {
  run("penup setxy -20 -20 pendown forward 40 right 90 forward 40 right 90 forward 40 right 90 forward 40 "
      "right 90 penup setxy 0 0");
  run("setfillcolour [0 128 0] fill");
  EXPECT_EQ(pixel(398, 249), rgb(0, 128, 0));
  EXPECT_EQ(pixel(398 + 30, 249), kWhite);  // outside the square
  // A hatched brush leaves gaps in the area.
  run("setxy 100 100 setfillcolour [0 0 200] setfillpattern 5 fill");
  EXPECT_EQ(printed("print fillpattern"), (Lines{"5"}));
  EXPECT_GT(countPixels(page(), {0, 0, 100, 100}, rgb(0, 0, 200)), 0);
  EXPECT_GT(countPixels(page(), {0, 0, 100, 100}, kWhite), 0);
}

TEST_F(TurtleDrawing, FillModeOneFillsOutToThePenColour) {
  run("setpencolour [200 0 0] penup setxy -20 -20 pendown forward 40 right 90 forward 40 right 90 forward 40 "
      "right 90 forward 40 right 90");
  run("penup setxy -10 10 setpencolour [0 0 200] pendown forward 5 penup setxy 0 0");
  mainObject()->globals().setValue(codeOf("fillmode"), makeInt(1));
  run("setpencolour [200 0 0] setfillcolour [0 200 0] fill");
  // The blue line inside the square is filled over, the red border stays.
  EXPECT_EQ(pixel(388, 237), rgb(0, 200, 0));
  EXPECT_EQ(pixel(378, 249), rgb(200, 0, 0));
  EXPECT_EQ(pixel(378 - 5, 249), kWhite);
}

TEST_F(TurtleDrawing, LabelsDrawTextAndLabel2MovesToItsEnd) {
  run("setpencolour [0 0 0] label \"Hello");
  EXPECT_GT(countPixels(page(), {398, 249, 60, 20}, 0), 10);
  EXPECT_EQ(countPixels(page(), {330, 200, 60, 40}, 0), 0);
  const Lines size = printed("print textsize \"Hello");
  ASSERT_EQ(size.size(), 1u);
  run("home label2 \"Hello");
  EXPECT_GT(turtle().pagePosition().x, 20);
  EXPECT_EQ(turtle().pagePosition().y, 0);
  EXPECT_EQ(printed("setfont [[DejaVu Sans] [12 700 0 0 0 1]] print font"),
            (Lines{"[DejaVu Sans] [12 700 0 0 0 1]"}));
  EXPECT_EQ(printed("settt [Serif] [9] print font"), (Lines{"[Serif] [9 400 0 0 0 1]"}));
}

TEST_F(TurtleDrawing, StampLeavesTheShapeInTheDrawing) {
  run("stamp hideturtle");
  EXPECT_GT(countPixels(page(), {386, 237, 25, 25}, kWhite), 0);
  EXPECT_LT(countPixels(page(), {386, 237, 25, 25}, kWhite), 25 * 25);
  run("clean");
}

TEST_F(TurtleDrawing, TheShownTurtleIsComposedOverTheDrawing) {
  const PixelBuffer& picture = shown();
  EXPECT_NE(picture.pixel(398, 244), kWhite);
  run("hideturtle");
  EXPECT_EQ(shown().pixel(398, 244), kWhite);
  EXPECT_EQ(pixel(398, 244), kWhite);  // never drawn into the background
}

TEST_F(TurtleDrawing, PenStateAndPenColourTogetherWithFill) {
  EXPECT_EQ(printed("setpencolour [1 2 3] print fillcolour"), (Lines{"1 2 3"}));
  EXPECT_EQ(printed("setpenstate [penerase [4 5 6] 3 2] print penstate print fillcolour"),
            (Lines{"penerase [4 5 6] 3 2", "4 5 6"}));
  EXPECT_EQ(printed("penup print pen setpen \"pendown print turtlestate"),
            (Lines{"penup", "0 0 0 pendown st []"}));
  EXPECT_EQ(printed("setpenpattern 6 print penpattern setpenwidth 4 print penwidth"), (Lines{"6", "4"}));
  EXPECT_EQ(errorOf("setpenwidth 0"), erMinMax);
  EXPECT_EQ(errorOf("setpenpattern 7"), erMinMax);
}

TEST_F(TurtleDrawing, HomeStateGivesHomeAndHeading) {
  run("sethomestate [[10 20] 90] forward 5 home");
  EXPECT_EQ(printed("print pos print heading print homestate"), (Lines{"10 20", "90", "[10 20] 90"}));
}

TEST_F(TurtleDrawing, ShapePropertiesReadBackAsSet) {
  EXPECT_EQ(
      printed("print shapescale setshapescale [2 -3] print shapescale setshapescale 2 print shapescale"),
      (Lines{"1", "2 3", "2"}));
  EXPECT_EQ(turtle().graphicRect().width, 50);
  EXPECT_EQ(printed("print shapecolour setshapecolour [1 2 3] print shapecolour"), (Lines{"", "1 2 3"}));
  EXPECT_EQ(printed("setframemode \"false print framemode print shape"), (Lines{"false", ""}));
  EXPECT_EQ(printed("print shaperectangle"), (Lines{"-24 24 50 50"}));
  EXPECT_EQ(printed("print inside? [-100 100 10 10] print outside? [-100 100 500 500]"),
            (Lines{"false", "false"}));
}

TEST_F(TurtleDrawing, OverlapsAndCollisions) {
  logo.run("ask \"page1 [new \"Turtle []]");
  run("setxy 200 0", "t2");
  EXPECT_EQ(printed("print overlap? \"t2 print overlapped"), (Lines{"false", ""}));
  run("setxy 10 0", "t2");
  EXPECT_EQ(printed("print overlap? \"t2 print overlaplist [t2] print overlapped"),
            (Lines{"true", "t2", "t2"}));
  run("hideturtle", "t2");
  EXPECT_EQ(printed("print overlap? \"t2"), (Lines{"false"}));
  run("showturtle setsensitive \"true", "t2");
  run("setsensitive \"true setevent \"onCollide [print \"bump] setxy 100 0 setxy 5 0");
  logo.waitForProcesses();
  EXPECT_EQ(take(), (Lines{"bump"}));
  EXPECT_EQ(errorOf("print overlap? \"nobody"), erTurtleUnknown);
  EXPECT_EQ(errorOf("print overlaplist [[t2]]"), erExpectWord);
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

class TurtleGlide : public testing::TurtleTest {};
using testing::Lines;

TEST_F(TurtleGlide, TheFirstElementGoesWithThePenUpTheNextDraw) {
  run("glide [[0 50] [50 0]] [todo [] step 7]");
  EXPECT_EQ(printed("print pos print pen"), (Lines{"50 50", "pendown"}));
  EXPECT_EQ(pixel(398, 249 - 25), kWhite);
  EXPECT_EQ(pixel(398 + 25, 249 - 50), 0u);
  // Displacements are measured in the turtle's frame at the start.
  run("home right 90 glide [[0 10] [0 20]] [todo []]");
  EXPECT_EQ(printed("print pos"), (Lines{"30 0"}));
  // Every completed step runs the todo list.
  logo.run("ask \"page1 [ask \"t1 [home glide [[0 10] [0 10]] [step 4 todo [print \"step]]]]");
  EXPECT_EQ(take().size(), 5u);
}

TEST_F(TurtleGlide, MalformedParametersAreRefused) {
  EXPECT_EQ(errorOf("glide [[0 5]] [step]"), erBadStructure);
  EXPECT_EQ(errorOf("glide [[0 5]] [speed 3]"), erBadStructure);
  EXPECT_EQ(errorOf("glide [[0 5]] [step fast]"), erExpectNumber);
  EXPECT_EQ(errorOf("glide [[0 5 1]] [todo []]"), erExpectList2);
  EXPECT_EQ(printed("print pen"), (Lines{"pendown"}));
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

class TurtleOnPage : public testing::TurtleTest {};
using testing::Lines;

TEST_F(TurtleOnPage, ThePagesPropertiesAndCommandsReachThePageFromItsTurtle) {
  run("setevent \"onClean [print myname]", "page1");
  // The onClean handler runs in a process of its own, which may print
  // before or after the line that started it.
  run("setbgcolour [1 2 3] print bgcolour");
  logo.waitForProcesses();
  Lines lines = take();
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"1 2 3", "page1"}));
  EXPECT_EQ(page().backgroundColour(), rgb(1, 2, 3));
  // The turtle's own properties stay its own.
  EXPECT_EQ(printed("setpencolour [4 5 6] print pencolour"), (Lines{"4 5 6"}));
  EXPECT_EQ(page().linePen().colour, 0u);
}

TEST_F(TurtleOnPage, ClearscreenSendsTheTurtleHomeAndCleans) {
  run("forward 50 right 45");
  run("clearscreen", "page1");
  EXPECT_EQ(printed("print pos print heading"), (Lines{"0 0", "0"}));
  EXPECT_EQ(pixel(398, 224), page().backgroundColour());
}

TEST_F(TurtleOnPage, ErasingTheTurtleTakesItOffThePage) {
  EXPECT_EQ(page().graphics().snapshot().size(), 1u);
  logo.run("ask \"page1 [eraseobject \"t1]");
  EXPECT_EQ(page().graphics().snapshot().size(), 0u);
  EXPECT_EQ(shown().pixel(398, 244), kWhite);
}

}  // namespace
}  // namespace lx
