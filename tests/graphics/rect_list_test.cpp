// Point and rectangle lists in pixel and page coordinates, and their errors.
#include "graphics/rect_list.h"

#include <gtest/gtest.h>

#include "core/logo_exception.h"
#include "support/logo_session.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

struct PreparedWorld {
  PreparedWorld() { testing::prepareLogoWorld(); }
};

class RectLists : public ::testing::Test {
 protected:
  static Value list(const std::string& text) { return readList(text); }
  static errorConst errorOf(const std::function<void()>& work) {
    try {
      work();
    } catch (const eLogoException& e) {
      return e.code;
    }
    return erUnexpected;
  }
  PreparedWorld prepared;
  testing::LogoSession logo;
};

TEST_F(RectLists, AllThreeRectangleFormsGiveTheSameRectangle) {
  EXPECT_EQ(*rectOf(list("10 20 30 40")), (PixelRect{10, 20, 30, 40}));
  EXPECT_EQ(*rectOf(list("[10 20] 30 40")), (PixelRect{10, 20, 30, 40}));
  EXPECT_EQ(*rectOf(list("[10 20] [40 60]")), (PixelRect{10, 20, 30, 40}));
  // Corners in any order, negative sizes: ordered.
  EXPECT_EQ(*rectOf(list("[40 60] [10 20]")), (PixelRect{10, 20, 30, 40}));
  EXPECT_EQ(*rectOf(list("40 60 -30 -40")), (PixelRect{10, 20, 30, 40}));
  EXPECT_FALSE(rectOf(list("")).has_value());
}

TEST_F(RectLists, PageRectanglesExtendRightAndDownFromTheirCorner) {
  const PixelPoint origin{398, 249};
  EXPECT_EQ(*rectOf(list("-10 20 30 40"), Coordinates::Page, origin), (PixelRect{388, 229, 30, 40}));
  EXPECT_EQ(*rectOf(list("[-10 20] [20 -20]"), Coordinates::Page, origin), (PixelRect{388, 229, 30, 40}));
}

TEST_F(RectLists, MalformedListsRaiseTheirErrors) {
  EXPECT_EQ(errorOf([] { rectOf(makeWord("x")); }), erExpectList);
  EXPECT_EQ(errorOf([] { rectOf(list("1 2 3 4 5")); }), erExpectRect);
  EXPECT_EQ(errorOf([] { rectOf(list("1")); }), erExpectRect);
  EXPECT_EQ(errorOf([] { rectOf(list("1 2 a 4")); }), erExpectRect);
  EXPECT_EQ(errorOf([] { rectOf(list("[1 2 3] [4 5]")); }), erExpectPoint);
  EXPECT_EQ(errorOf([] { rectOf(list("5 [4 5]")); }), erExpectList);
  EXPECT_EQ(errorOf([] { pointOf(list("1 2 3")); }), erExpectList2);
  EXPECT_EQ(errorOf([] { pointOf(makeWord("1")); }), erExpectList2);
}

TEST_F(RectLists, LinesComeAsTwoPointsOrAsCornerAndSize) {
  const auto line = *lineOf(list("[1 2] [3 4]"));
  EXPECT_EQ(line.first, (PointF{1, 2}));
  EXPECT_EQ(line.second, (PointF{3, 4}));
  EXPECT_EQ(lineOf(list("10 10 -5 5"))->second, (PointF{5, 15}));
  EXPECT_FALSE(lineOf(list("")).has_value());
  EXPECT_EQ(errorOf([] { lineOf(list("1 2 3")); }), erExpectRect);
}

TEST_F(RectLists, ValuesPrintAsLogoLists) {
  EXPECT_EQ(rectValue({1, 2, 3, 4})->printText(0), "1 2 3 4");
  EXPECT_EQ(pointValue({-398, 249.5L})->printText(0), "-398 249.5");
  EXPECT_EQ(cornersValue({1, 2}, {3, 4})->printText(0), "[1 2] [3 4]");
}

}  // namespace
}  // namespace lx
