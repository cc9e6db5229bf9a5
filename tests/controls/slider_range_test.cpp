// A slider's numbers: the ordered range with its inversion, clamping,
// paging, and the track geometry of dragging.
#include "controls/slider_range.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(SliderRange, AMaxBelowMinInvertsTheRangeAndMirrorsThePosition) {
  SliderRange range;
  EXPECT_TRUE(range.setMin(10));
  EXPECT_TRUE(range.setMax(0));
  EXPECT_TRUE(range.setValue(3));
  EXPECT_EQ(range.min(), 10);
  EXPECT_EQ(range.max(), 0);
  EXPECT_EQ(range.value(), 3);
  EXPECT_TRUE(range.inverted());
  // The thumb sits 3/10 from the end that shows 0, the high end.
  EXPECT_EQ(range.position(), 7);
  EXPECT_EQ(range.lo(), 0);
  EXPECT_EQ(range.hi(), 10);
}

TEST(SliderRange, ValuesAreClampedAndUnchangedValuesChangeNothing) {
  SliderRange range;
  range.set(50, 0, 100);
  EXPECT_FALSE(range.setValue(50));
  EXPECT_TRUE(range.setValue(500));
  EXPECT_EQ(range.value(), 100);
  EXPECT_TRUE(range.setMax(20));
  EXPECT_EQ(range.value(), 20);
  EXPECT_TRUE(range.setValue(-2147483647 - 1));
  EXPECT_EQ(range.value(), 0);
  EXPECT_FALSE(range.setPosition(-5));
  // The extremes of 32 bits neither overflow nor wrap.
  EXPECT_TRUE(range.set(0, -2147483647 - 1, 2147483647));
  EXPECT_EQ(range.page(), 429496729);
  EXPECT_TRUE(range.set(5, 2147483647, -2147483647 - 1));
  EXPECT_EQ(range.value(), 5);
}

TEST(SliderRange, APageIsATenthOfTheRangeRoundedDown) {
  SliderRange range;
  range.set(0, 0, 100);
  EXPECT_EQ(range.page(), 10);
  range.set(0, 0, 5);
  EXPECT_EQ(range.page(), 0);
}

TEST(SliderRange, DraggingTheThumbsEdgeThereGivesItsPositionBack) {
  SliderRange range;
  range.set(0, 0, 100);
  for (int value : {0, 1, 37, 50, 99, 100}) {
    range.setValue(value);
    const double edge = range.thumbEdge(150, 20);
    EXPECT_EQ(range.positionAt(edge, 150, 20), value) << value;
  }
  EXPECT_EQ(range.positionAt(-100, 150, 20), 0);
  EXPECT_EQ(range.positionAt(1000, 150, 20), 100);
  // A track too short to move on keeps the position.
  range.setValue(40);
  EXPECT_EQ(range.positionAt(3, 8, 20), 40);
}

}  // namespace
}  // namespace lx
