// Point list conversions: steps to points and back, splines through the
// points of each run, random points inside rectangles.
#include "values/point_list_conversions.h"

#include <gtest/gtest.h>

#include "list_test_support.h"
#include "values/random.h"

namespace lx {
namespace {

using namespace lx::testing;

TEST(PointListConversions, StepsBecomePointsAndBack) {
  EXPECT_EQ(shown(toPoints(L(read1("[[10 10] [5 0] [0 5]]")))), "[10 10] [15 10] [15 15]");
  EXPECT_EQ(shown(toVectors(L(read1("[[10 10] [15 10] [15 15]]")))), "[10 10] [5 0] [0 5]");
  // A break keeps its place and does not interrupt the chain.
  EXPECT_EQ(shown(toPoints(L(read1("[[0 0] [] [1 2] [3 4]]")))), "[0 0] [] [1 2] [4 6]");
  // Nested lists are chains of their own.
  EXPECT_EQ(shown(toPoints(L(read1("[[1 1] [[5 5] [1 0]]]")))), "[1 1] [[5 5] [6 5]]");
  const char* path = "[[3 4] [1.5 2] [-7 0] [] [2 2]]";
  EXPECT_EQ(shown(toPoints(L(toVectors(L(read1(path)))))), shown(read1(path)));
}

TEST(PointListConversions, ShapesThatAreNoPointListsAreRefused) {
  EXPECT_EQ(errorOf([] { toPoints(L(read1("[1 2]"))); }), erExpectList2);
  EXPECT_EQ(errorOf([] { toVectors(L(read1("[[1 2] [3]]"))); }), erExpectList2);
  EXPECT_EQ(errorOf([] { splineThrough(L(read1("[]"))); }), erExpectList2);
}

TEST(PointListConversions, SplinePassesThroughEveryPointKeepingTheEnds) {
  const Value curve = splineThrough(L(read1("[[0 0] [10 10] [20 0]]")));
  const tLogoList& points = L(curve);
  ASSERT_EQ(points.count(), 2u * kSplineSteps + 1);
  EXPECT_EQ(shown(points.element()), "0 0");
  size_t i = 0;
  for (const Value& point : points) {
    if (i == kSplineSteps) {
      EXPECT_EQ(shown(point), "10 10");
    } else if (i == 2u * kSplineSteps) {
      EXPECT_EQ(shown(point), "20 0");
    }
    ++i;
  }
  // Between the points the curve rises smoothly from the first to the peak.
  const tLogoList& second = L(points.rest()->element());
  EXPECT_GT(second.element()->asReal(), 0);
  EXPECT_LT(second.element()->asReal(), 10);
  // Short runs and breaks stay as they are.
  EXPECT_EQ(shown(splineThrough(L(read1("[[0 0] [5 5] [] [1 1]]")))), "[0 0] [5 5] [] [1 1]");
}

TEST(PointListConversions, RandomPointsLieInsideTheRectangleGoingDown) {
  seedRandom(7);
  for (int round = 0; round < 200; ++round) {
    const Value point = randomPointIn(L(read1("[-10 20 5 3]")));
    const tLogoList& p = L(point);
    const long double x = p.element()->asReal(), y = p.rest()->element()->asReal();
    EXPECT_TRUE(p.element()->isInteger());
    EXPECT_GE(x, -10);
    EXPECT_LT(x, -5);
    EXPECT_LE(y, 20);
    EXPECT_GT(y, 17);
  }
  EXPECT_EQ(shown(randomPointIn(L(read1("[[1 1] 0 0]")))), "1 1");
  EXPECT_EQ(errorOf([] { randomPointIn(L(read1("[1 2 3]"))); }), erExpectRect);
  EXPECT_EQ(errorOf([] { randomPointIn(L(read1("[1 2 a 4]"))); }), erExpectRect);
}

}  // namespace
}  // namespace lx
