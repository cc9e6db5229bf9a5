// Turtles wearing images: the frame a heading shows, frames and cells chosen
// by Logo in either frame mode, scaling about the hot spot, recolouring,
// masks on the page and under the mouse, and animation on a clock the test
// moves by hand.
#include "graphics/logo_image.h"
#include "graphics/shape_animator.h"
#include "graphics/turtle_shape.h"
#include "turtle_test_world.h"
#include "values/pools.h"

namespace lx {
namespace {

using testing::Lines;

constexpr Rgb kRed = 0xFF0000, kBlue = 0x0000FF;

PictureRef solid(int width, int height, Rgb colour, PixelPoint hotSpot, int delay = 0) {
  auto picture = std::make_unique<tLogoPicture>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture->setPixel(x, y, colour);
  picture->hotSpot = hotSpot;
  picture->delay = delay;
  return sharePicture(std::move(picture));
}

// Frame f of n is a 9 x 9 square of colour f + 1.
Value headingImage(size_t frames, long double baseAngle = 0) {
  std::vector<tLogoFrame> all;
  for (size_t f = 0; f < frames; ++f) all.push_back({solid(9, 9, static_cast<Rgb>(f + 1), {4, 4})});
  return makeImage(std::move(all), baseAngle);
}

// Cells of 100, 200 and 300 ms in colours 0x10, 0x20, 0x30.
Value filmImage(bool loops) {
  return makeImage(
      {{solid(9, 9, 0x10, {4, 4}, 100), solid(9, 9, 0x20, {4, 4}, 200), solid(9, 9, 0x30, {4, 4}, 300)}}, 0,
      loops);
}

class ImageShapes : public testing::TurtleTest {
 protected:
  void give(const std::string& name, const Value& value) {
    mainObject()->globals().setValue(codeOf(name), value);
  }
  Rgb centre() { return shown().pixel(398, 249); }
};

TEST_F(ImageShapes, TheHeadingChoosesTheFrame) {
  give("img", headingImage(16));
  run("setshape :img");
  for (int heading : {349, 0, 11}) {
    run("setheading " + std::to_string(heading));
    EXPECT_EQ(printed("print frame"), Lines{"1"}) << heading;
    EXPECT_EQ(centre(), 1u) << heading;
  }
  for (int heading : {12, 33}) {
    run("setheading " + std::to_string(heading));
    EXPECT_EQ(centre(), 2u) << heading;
  }
  run("setheading 180");
  EXPECT_EQ(centre(), 9u);
  // A base angle of 90 puts frame 1 at the east.
  give("img", headingImage(4, 90));
  run("setshape :img setheading 90");
  EXPECT_EQ(centre(), 1u);
  run("setheading 0");
  EXPECT_EQ(centre(), 4u);
}

TEST_F(ImageShapes, FrameAndFrameItemChooseWhatShows) {
  give("img",
       makeImage({{solid(9, 9, 0x11, {4, 4}), solid(9, 9, 0x12, {4, 4})}, {solid(9, 9, 0x21, {4, 4})}}));
  run("setshape :img");
  // The cell can be chosen while frames follow the heading.
  run("setframeitem 2");
  EXPECT_EQ(centre(), 0x12u);
  run("setframemode \"false setframe 2");
  EXPECT_EQ(centre(), 0x21u);
  EXPECT_EQ(printed("print frameitem"), Lines{"1"});  // frame 2 has one cell: back to the first
  run("setframe 3 setframeitem 4");                   // both wrap round
  EXPECT_EQ(printed("print frame print frameitem"), (Lines{"1", "2"}));
  EXPECT_EQ(centre(), 0x12u);
  // Frame mode ignores `frame` for what shows.
  run("setframemode \"true setheading 180");
  EXPECT_EQ(printed("print frame"), Lines{"2"});
}

TEST_F(ImageShapes, ScalingGrowsTheShapeAboutItsHotSpot) {
  give("img", imageOfPicture(solid(4, 2, kRed, {0, 0})));
  run("setshape :img");
  EXPECT_EQ(printed("print shaperectangle"), Lines{"0 0 4 2"});
  run("setshapescale [3 2]");
  EXPECT_EQ(printed("print shaperectangle"), Lines{"0 0 12 4"});
  // The hot spot sits on the turtle's pixel, (398, 249).
  EXPECT_EQ(shown().pixel(409, 252), kRed);
  EXPECT_EQ(shown().pixel(410, 252), kWhite);
  EXPECT_EQ(shown().pixel(409, 253), kWhite);
  EXPECT_EQ(shown().pixel(397, 249), kWhite);
  run("stamp ht");
  EXPECT_EQ(pixel(409, 252), kRed);
}

TEST_F(ImageShapes, RecolouringTurnsTheMainColourAndTheOutline) {
  auto picture = std::make_unique<tLogoPicture>(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) picture->setPixel(x, y, x == 0 ? 0 : kRed);
  picture->hotSpot = {2, 2};
  give("img", imageOfPicture(sharePicture(std::move(picture))));
  run("setshape :img setpencolour [0 255 0] setshapecolour [0 0 255]");
  EXPECT_EQ(shown().pixel(399, 249), kBlue);
  EXPECT_EQ(shown().pixel(396, 249), 0x00FF00u);
  run("setpencolour [255 255 0]");
  EXPECT_EQ(shown().pixel(396, 249), 0xFFFF00u);
  run("setshapecolour []");
  EXPECT_EQ(shown().pixel(399, 249), kRed);
  EXPECT_EQ(shown().pixel(396, 249), 0u);
}

TEST_F(ImageShapes, MaskedPixelsShowThePageAndMissTheMouseWhenAsked) {
  auto picture = std::make_unique<tLogoPicture>(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) picture->setPixel(x, y, kRed), picture->setMasked(x, y, x >= 3);
  picture->hotSpot = {2, 2};
  give("img", imageOfPicture(sharePicture(std::move(picture))));
  run("setpencolour [0 0 255] setpenwidth 9 rt 90 fd 0 pu setshape :img");
  ASSERT_EQ(pixel(399, 249), kBlue);  // the dot the pen left under the turtle
  EXPECT_EQ(shown().pixel(398, 249), kRed);
  EXPECT_EQ(shown().pixel(399, 249), kBlue);
  EXPECT_TRUE(turtle().hitTest(4, 2));
  run("settransparentclick \"true");
  EXPECT_FALSE(turtle().hitTest(4, 2));
  EXPECT_TRUE(turtle().hitTest(1, 2));
}

// The first drawing on a fresh page once turned masked pixels black: cairo
// took the new bitmap for clear and copied instead of drawing over it.
TEST_F(ImageShapes, AStampedMaskLeavesTheFreshPageAlone) {
  auto picture = std::make_unique<tLogoPicture>(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) picture->setPixel(x, y, kRed), picture->setMasked(x, y, y > 0);
  picture->hotSpot = {2, 2};
  give("img", imageOfPicture(sharePicture(std::move(picture))));
  run("stamppicture :img");
  EXPECT_EQ(pixel(398, 247), kRed);
  EXPECT_EQ(pixel(398, 249), kWhite);
}

// `imode` 0 cuts the drawing alone, 1 the page as it shows with the turtle
// on it, 2 and 3 the same with the background colour transparent.
TEST_F(ImageShapes, TheCaptureModeChoosesWhatGetimageTakes) {
  give("img", imageOfPicture(solid(5, 5, kBlue, {2, 2})));
  run("setshape :img setpencolour [255 0 0] setpos [0 -10] forward 20 home");
  // A hidden second turtle at the same place cuts and wears the picture.
  run("new \"Turtle [name t2]", "page1");
  run("hideturtle", "t2");
  const auto cut = [&](int mode) {
    give("imode", makeInt(mode));
    run("setshape getimage [4 4 4 4]", "t2");
    return *shapeImage(turtle("t2").shape())->cell(0, 0);
  };
  // The turtle's hot spot is at (4, 4) of the cut, its picture covers 2..6;
  // the line runs down column 4 (below the turtle: row 7).
  const tLogoPicture drawing = cut(0);
  EXPECT_EQ(drawing.pixel(4, 4), kRed);
  EXPECT_EQ(drawing.pixel(0, 0), kWhite);
  EXPECT_FALSE(drawing.hasMask());
  const tLogoPicture shownCut = cut(1);
  EXPECT_EQ(shownCut.pixel(4, 4), kBlue);
  EXPECT_EQ(shownCut.pixel(4, 7), kRed);
  EXPECT_EQ(shownCut.pixel(0, 0), kWhite);
  const tLogoPicture masked = cut(2);
  EXPECT_EQ(masked.pixel(4, 4), kRed);
  EXPECT_TRUE(masked.masked(0, 0));
  EXPECT_FALSE(masked.masked(4, 7));
  const tLogoPicture shownMasked = cut(3);
  EXPECT_EQ(shownMasked.pixel(3, 3), kBlue);
  EXPECT_FALSE(shownMasked.masked(3, 3));
  EXPECT_TRUE(shownMasked.masked(8, 0));
  // Other values take the drawing alone.
  const tLogoPicture other = cut(9);
  EXPECT_EQ(other.pixel(4, 4), kRed);
  EXPECT_FALSE(other.hasMask());
}

TEST_F(ImageShapes, DrawingListShapesTurnWithTheHeadingAndDrawOnlyTheirLines) {
  run("setpencolour [255 0 0] setshape [forward 20]");
  EXPECT_EQ(printed("print shaperectangle"), Lines{"-1 21 3 23"});
  run("right 90");
  EXPECT_EQ(printed("print shaperectangle"), Lines{"-1 1 23 3"});
  EXPECT_EQ(shown().pixel(408, 249), kRed);
  EXPECT_EQ(shown().pixel(398, 239), kWhite);
  run("setshapescale 2");
  EXPECT_EQ(shown().pixel(428, 249), kRed);
  EXPECT_FALSE(turtle().hitTest(5, 5));
  EXPECT_EQ(errorOf("setshape 5"), erExpectImage);
}

// The animation clock the test moves.
uint64_t fakeNow = 0;
uint64_t fakeClock() {
  return fakeNow;
}

class ImageAnimation : public ImageShapes {
 protected:
  ImageAnimation() {
    fakeNow = 1000;
    useAnimationClock(fakeClock);
  }
  ~ImageAnimation() override { useAnimationClock(nullptr); }
  // Moves the clock to `at` and runs what is due.
  Rgb at(uint64_t ms) {
    fakeNow = 1000 + ms;
    runAnimationsDue();
    return centre();
  }
};

TEST_F(ImageAnimation, CellsChangeWhenTheirDelaysRunOut) {
  give("img", filmImage(true));
  run("setshape :img setanimation \"true");
  EXPECT_EQ(at(99), 0x10u);
  EXPECT_EQ(at(100), 0x20u);
  EXPECT_EQ(at(299), 0x20u);
  EXPECT_EQ(at(300), 0x30u);
  EXPECT_EQ(at(600), 0x10u);  // looping: round again
  EXPECT_EQ(printed("print frameitem"), Lines{"1"});
  run("setanimation \"false");
  EXPECT_EQ(at(5000), 0x10u);
  EXPECT_FALSE(shapeScheduled(turtle()));
}

TEST_F(ImageAnimation, ANonLoopingImageStopsAtItsLastCell) {
  give("img", filmImage(false));
  run("setshape :img setanimation \"true");
  EXPECT_EQ(at(100), 0x20u);
  EXPECT_EQ(at(300), 0x30u);
  EXPECT_EQ(at(10000), 0x30u);
  EXPECT_FALSE(shapeScheduled(turtle()));
}

TEST_F(ImageAnimation, TheDelayScaleStretchesEveryCell) {
  give("img", filmImage(true));
  run("setdelayscale 2 setshape :img setanimation \"true");
  EXPECT_EQ(at(199), 0x10u);
  EXPECT_EQ(at(200), 0x20u);
  EXPECT_EQ(at(599), 0x20u);
  EXPECT_EQ(at(600), 0x30u);
}

TEST_F(ImageAnimation, DrawingListFilmsGoRound) {
  run("setpencolour [255 0 0] setshape [[forward 20] [right 90 forward 20]] setanimation \"true");
  EXPECT_EQ(printed("print shaperectangle"), Lines{"-1 21 3 23"});
  at(100);
  EXPECT_EQ(printed("print shaperectangle"), Lines{"-1 1 23 3"});
  at(200);
  EXPECT_EQ(printed("print frameitem"), Lines{"1"});
  EXPECT_TRUE(shapeScheduled(turtle()));
}

TEST_F(ImageAnimation, ZeroDelaysCannotSpinTheThread) {
  give("img", makeImage({{solid(9, 9, 1, {4, 4}), solid(9, 9, 2, {4, 4})}}));
  run("setshape :img setanimation \"true");
  EXPECT_EQ(at(kLeastCellDelay - 1), 1u);
  EXPECT_EQ(at(kLeastCellDelay), 2u);
}

}  // namespace
}  // namespace lx
