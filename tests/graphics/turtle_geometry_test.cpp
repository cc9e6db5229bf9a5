// Headings, steps and bearings of the turtle.
#include "graphics/turtle_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace lx {
namespace {

TEST(TurtleGeometry, HeadingsAreBroughtIntoOneTurn) {
  EXPECT_EQ(normaliseHeading(370), 10);
  EXPECT_EQ(normaliseHeading(-30), 330);
  EXPECT_EQ(normaliseHeading(360), 0);
  EXPECT_EQ(normaliseHeading(-720), 0);
  EXPECT_NEAR(static_cast<double>(normaliseHeading(1e30L)), static_cast<double>(std::fmod(1e30L, 360.0L)),
              1e-6);
  EXPECT_GE(normaliseHeading(-1e-30L), 0);
  EXPECT_LT(normaliseHeading(-1e-30L), 360);
  EXPECT_EQ(normaliseHeading(std::numeric_limits<long double>::infinity()), 0);
}

TEST(TurtleGeometry, StepsFollowTheCompass) {
  // Pixel y grows downwards: heading 0 moves up the screen.
  EXPECT_EQ(stepAlong({0, 0}, 0, 100), (PointF{0, -100}));
  EXPECT_EQ(stepAlong({0, 0}, 90, 100), (PointF{100, 0}));
  EXPECT_EQ(stepAlong({0, 0}, 180, 100), (PointF{0, 100}));
  EXPECT_EQ(stepAlong({5, 5}, 270, -5), (PointF{10, 5}));
  const PointF diagonal = stepAlong({0, 0}, 45, 10);
  EXPECT_NEAR(static_cast<double>(diagonal.x), 7.0710678, 1e-6);
  EXPECT_NEAR(static_cast<double>(diagonal.y), -7.0710678, 1e-6);
}

// Steps reduce the heading by whole quarter turns before the sine and
// cosine: they must agree with the plain formula at every heading, in every
// quadrant, at the quarter-turn seams, and far outside one turn.
TEST(TurtleGeometry, StepsAgreeWithThePlainFormulaAtEveryHeading) {
  std::vector<long double> headings = {-1e6L, -721, -360, -315.5L, -90, -45, -44.999L, -1e-9L, 0, 1e-9L,
                                       44.999L, 45, 45.001L, 89.999L, 90, 134.5L, 180, 225, 269.999L,
                                       315, 359.999L, 360, 405, 1e6L + 0.25L};
  for (int i = 0; i < 2000; ++i) headings.push_back(-720 + i * 0.7312L);
  for (const long double heading : headings) {
    const long double radians = (90 - heading) * std::numbers::pi_v<long double> / 180;
    const PointF step = stepAlong({10, 20}, heading, 100);
    EXPECT_NEAR(static_cast<double>(step.x), static_cast<double>(10 + 100 * std::cos(radians)), 1e-9)
        << "heading " << static_cast<double>(heading);
    EXPECT_NEAR(static_cast<double>(step.y), static_cast<double>(20 - 100 * std::sin(radians)), 1e-9)
        << "heading " << static_cast<double>(heading);
  }
  // Quarter turns far from the first turn stay exact.
  EXPECT_EQ(stepAlong({0, 0}, 3600090, 7), (PointF{7, 0}));
  EXPECT_EQ(stepAlong({0, 0}, -900, 7), (PointF{0, 7}));
}

TEST(TurtleGeometry, BearingsOfEveryQuadrant) {
  EXPECT_EQ(bearingOf(0, 0), 0);
  EXPECT_EQ(bearingOf(0, 5), 0);
  EXPECT_EQ(bearingOf(5, 0), 90);
  EXPECT_EQ(bearingOf(-5, 0), 270);
  EXPECT_EQ(bearingOf(0, -5), 180);
  EXPECT_NEAR(static_cast<double>(bearingOf(1, 1)), 45, 1e-9);
  EXPECT_NEAR(static_cast<double>(bearingOf(1, -1)), 135, 1e-9);
  EXPECT_NEAR(static_cast<double>(bearingOf(-1, -1)), 225, 1e-9);
  EXPECT_NEAR(static_cast<double>(bearingOf(-1, 1)), 315, 1e-9);
  // Pixel points: the point above is straight ahead of heading 0.
  EXPECT_EQ(bearingBetween({10, 10}, {10, 0}), 0);
  EXPECT_EQ(bearingBetween({10, 10}, {20, 10}), 90);
}

}  // namespace
}  // namespace lx
