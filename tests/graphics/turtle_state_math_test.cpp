// Hatches of fill patterns, random positions, overlap of shape rectangles
// and font values.
#include <gtest/gtest.h>

#include "graphics/pen_pattern.h"
#include "graphics/turtle_any.h"
#include "graphics/turtle_font.h"
#include "graphics/turtle_overlap.h"
#include "core/logo_exception.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/reader.h"

namespace lx {
namespace {

Value read1(const char* text) {
  return readList(text)->element();
}

TEST(TurtlePen, HatchesRepeatEveryEightPixels) {
  int covered[8] = {};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      for (int style = 0; style < kFillPatternCount; ++style)
        if (brushCovers(fillStyleOf(style), x, y)) ++covered[style];
  EXPECT_EQ(covered[0], 256);  // solid
  EXPECT_EQ(covered[7], 0);    // clear
  EXPECT_EQ(covered[5], 32);   // one row in eight
  EXPECT_EQ(covered[6], 32);   // one column in eight
  EXPECT_EQ(covered[1], 32);   // one diagonal per eight-pixel cell
  EXPECT_EQ(covered[2], 60);   // a row and a column, sharing a pixel per cell
  EXPECT_TRUE(brushCovers(FillStyle::BDiagonal, 7, 0));
  EXPECT_TRUE(brushCovers(FillStyle::FDiagonal, 3, 3));
}

class TurtleAny : public ::testing::Test {
 protected:
  void SetUp() override {
    initValuePools();
    seedRandom(11);
  }
};

TEST_F(TurtleAny, RandomCoordinatesKeepTheirMargin) {
  for (int i = 0; i < 500; ++i) {
    const long double x = randomCoordinate(100, 10);
    EXPECT_GE(x, 10);
    EXPECT_LT(x, 90);
  }
  EXPECT_EQ(randomCoordinate(15, 10), 7);
  EXPECT_EQ(anyMarginsFrom(read1("[3 -4]").get()).y, 4);
  EXPECT_EQ(anyMarginsFrom(nullptr).x, 10);
}

TEST(TurtleOverlap, RectanglesAndLenses) {
  const PixelRect a{0, 0, 20, 20}, b{15, 15, 20, 20}, far{100, 100, 5, 5};
  EXPECT_TRUE(shapesOverlap(a, b, OverlapTest::Rectangles));
  EXPECT_FALSE(shapesOverlap(a, far, OverlapTest::Rectangles));
  // Corners that touch are apart as circles.
  const PixelRect corner{18, 18, 20, 20};
  EXPECT_TRUE(shapesOverlap(a, corner, OverlapTest::Rectangles));
  EXPECT_FALSE(shapesOverlap(a, corner, OverlapTest::Lens));
  EXPECT_TRUE(shapesOverlap(a, {5, 5, 20, 20}, OverlapTest::Lens));
  // Flat and tall rectangles crossing in their middles overlap.
  EXPECT_TRUE(shapesOverlap({0, 45, 100, 10}, {45, 0, 10, 100}, OverlapTest::Lens));
  EXPECT_FALSE(shapesOverlap({0, 0, 0, 10}, {0, 0, 10, 10}, OverlapTest::Lens));
}

class TurtleFontValue : public TurtleAny {};

TEST_F(TurtleFontValue, FontsRoundTripThroughTheirListForm) {
  const TurtleFont font = fontFromValue(read1("[[MS Sans Serif] [8 700 5 0 1 238]]"));
  EXPECT_EQ(font.face, "MS Sans Serif");
  EXPECT_EQ(font.size, 8);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_FALSE(font.underline());
  EXPECT_TRUE(font.strikeOut());
  EXPECT_TRUE(font.baselineAnchor());
  EXPECT_EQ(font.characterSet, 238);
  EXPECT_EQ(fontValue(font)->printText(), "[[MS Sans Serif] [8 700 5 0 1 238]]");
  EXPECT_EQ(fontValue(TurtleFont{})->printText(), "[[System] [10 400 0 0 0 1]]");
  EXPECT_EQ(fontFromValue(read1("[Tahoma [12]]")).size, 12);
}

TEST_F(TurtleFontValue, MalformedFontsAreRefused) {
  auto code = [](const char* text) {
    try {
      fontFromValue(text[0] == '[' ? read1(text) : Value(makeWord(text)));
    } catch (const eLogoException& e) {
      return e.code;
    }
    return erUnexpected;
  };
  EXPECT_EQ(code("Arial"), erExpectList);
  EXPECT_EQ(code("[[Arial]]"), erBadStructure);
  EXPECT_EQ(code("[[Arial] [a]]"), erBadStructure);
  EXPECT_EQ(code("[[] [8]]"), erBadStructure);
  EXPECT_EQ(code("[[Arial] [0]]"), erBadStructure);
  EXPECT_EQ(code("[[Arial] [8 1 2 3 4 5 6]]"), erBadStructure);
}

}  // namespace
}  // namespace lx
