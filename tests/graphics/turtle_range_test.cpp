// The four range styles: where the path ends, which segments the pen
// draws, how wrapping keeps travel and how bouncing turns the turtle.
#include "graphics/turtle_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lx {
namespace {

// A page of 796 × 499 pixels.
const SurfaceRange kPage = rangeOfRect(0, 0, 796, 499);
const PointF kCentre{398, 249};

TracedPath east(PointF from, long double distance, RangeStyle style) {
  return tracePath(from, stepAlong(from, 90, distance), kPage, style);
}

void expectNear(PointF actual, PointF expected) {
  EXPECT_NEAR(static_cast<double>(actual.x), static_cast<double>(expected.x), 1e-9);
  EXPECT_NEAR(static_cast<double>(actual.y), static_cast<double>(expected.y), 1e-9);
}

TEST(TurtleRange, BoxesIncludeBothEnds) {
  EXPECT_EQ(kPage, (SurfaceRange{0, 795, 0, 498}));
  EXPECT_TRUE(rangeContains(kPage, {795, 498}));
  EXPECT_FALSE(rangeContains(kPage, {795.5L, 0}));
  EXPECT_EQ(clampToRange(kPage, {-5, 1000}), (PointF{0, 498}));
}

TEST(TurtleRange, WrapKeepsTravelModuloTheRangeLessTwoPixels) {
  const TracedPath right = east(kCentre, 1000, RangeStyle::Wrap);
  ASSERT_EQ(right.segments.size(), 2u);
  expectNear(right.segments[0].to, {795, 249});
  expectNear(right.segments[1].from, {0, 249});
  expectNear(right.end, {std::fmod(398.0L + 1000, 794), 249});
  const TracedPath left = east(kCentre, -1000, RangeStyle::Wrap);
  expectNear(left.segments[0].to, {0, 249});
  expectNear(left.segments[1].from, {795, 249});
  expectNear(left.end, {398 - 1000 + 794, 249});
  // Several laps draw one segment per crossing.
  const TracedPath laps = east(kCentre, 3000, RangeStyle::Wrap);
  EXPECT_EQ(laps.segments.size(), 5u);
  expectNear(laps.end, {std::fmod(398.0L + 3000, 794), 249});
  EXPECT_FALSE(laps.bounced);
}

TEST(TurtleRange, WrapThroughTheTopComesBackAtTheBottom) {
  const TracedPath up = tracePath(kCentre, stepAlong(kCentre, 0, 300), kPage, RangeStyle::Wrap);
  ASSERT_EQ(up.segments.size(), 2u);
  expectNear(up.segments[0].to, {398, 0});
  expectNear(up.segments[1].from, {398, 498});
  expectNear(up.end, {398, 249 - 300 + 497});
}

TEST(TurtleRange, WrapAtACornerTurnsToTheNextCorner) {
  const TracedPath path = tracePath({10, 10}, {-10, -10}, kPage, RangeStyle::Wrap);
  ASSERT_EQ(path.segments.size(), 3u);
  expectNear(path.segments[0].to, {0, 0});
  expectNear(path.segments[1].from, {795, 0});
  expectNear(path.segments[2].from, {795, 498});
  expectNear(path.end, {785, 488});
}

TEST(TurtleRange, FenceStopsOnTheEdgePixel) {
  const TracedPath path = east(kCentre, 1000, RangeStyle::Fence);
  ASSERT_EQ(path.segments.size(), 1u);
  expectNear(path.end, {795, 249});
  // A start outside the range is first pulled in.
  const TracedPath outside = tracePath({-50, 600}, {10, 10}, kPage, RangeStyle::Fence);
  expectNear(outside.segments[0].from, {0, 498});
}

TEST(TurtleRange, WindowGoesAnywhere) {
  const TracedPath path = tracePath({-50, 600}, {2000, -40}, kPage, RangeStyle::Window);
  ASSERT_EQ(path.segments.size(), 1u);
  expectNear(path.segments[0].from, {-50, 600});
  expectNear(path.end, {2000, -40});
}

TEST(TurtleRange, BounceReflectsAndTurnsAwayFromTheWall) {
  const TracedPath path = east(kCentre, 1000, RangeStyle::Bounce);
  ASSERT_EQ(path.segments.size(), 2u);
  EXPECT_TRUE(path.bounced);
  expectNear(path.end, {2 * 795 - 1398, 249});
  expectNear(path.aim, {795, 249});
  EXPECT_NEAR(static_cast<double>(headingAfterBounce(path)), 270, 1e-9);

  const PointF start{100, 100};
  const TracedPath top = tracePath(start, stepAlong(start, 45, 200), kPage, RangeStyle::Bounce);
  expectNear(top.aim, {200, 0});
  EXPECT_NEAR(static_cast<double>(headingAfterBounce(top)), 135, 1e-9);
}

TEST(TurtleRange, BounceInACornerReflectsBothWays) {
  const TracedPath path = tracePath({10, 10}, {-10, -10}, kPage, RangeStyle::Bounce);
  expectNear(path.aim, {0, 0});
  expectNear(path.end, {10, 10});
  EXPECT_NEAR(static_cast<double>(headingAfterBounce(path)), 135, 1e-9);
}

TEST(TurtleRange, BounceWithoutReachingAWallIsNoBounce) {
  const TracedPath path = east(kCentre, 10, RangeStyle::Bounce);
  EXPECT_FALSE(path.bounced);
  expectNear(path.end, {408, 249});
}

TEST(TurtleRange, EndlessPathsEndInsideTheRange) {
  for (RangeStyle style : {RangeStyle::Wrap, RangeStyle::Bounce}) {
    const TracedPath far = tracePath(kCentre, stepAlong(kCentre, 33, 1e12L), kPage, style);
    EXPECT_LE(far.segments.size(), kMaxPathSegments + 1);
    EXPECT_TRUE(rangeContains(kPage, far.end));
    // A range too narrow to wrap in.
    const SurfaceRange narrow = rangeOfRect(10, 10, 2, 50);
    const TracedPath stuck = tracePath({10, 20}, {500, 20}, narrow, style);
    EXPECT_TRUE(rangeContains(narrow, stuck.end));
  }
  const TracedPath nowhere =
      tracePath(kCentre, {std::numeric_limits<long double>::infinity(), 0}, kPage, RangeStyle::Wrap);
  EXPECT_TRUE(nowhere.segments.empty());
  EXPECT_EQ(nowhere.end, kCentre);
}

}  // namespace
}  // namespace lx
