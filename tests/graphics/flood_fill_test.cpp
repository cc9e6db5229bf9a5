// Flood fill: the connected area of the seed's colour, its borders, clips,
// hatches, and seeds that cannot fill.
#include "graphics/flood_fill.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlack = 0;

// A 20 x 20 white buffer with a black square outline from (5, 5) to (14, 14).
PixelBuffer boxed() {
  PixelBuffer buffer(20, 20);
  for (int i = 5; i < 15; ++i) {
    buffer.setPixel(i, 5, kBlack);
    buffer.setPixel(i, 14, kBlack);
    buffer.setPixel(5, i, kBlack);
    buffer.setPixel(14, i, kBlack);
  }
  return buffer;
}

int count(const PixelBuffer& buffer, Rgb colour) {
  int n = 0;
  for (int y = 0; y < buffer.height(); ++y)
    for (int x = 0; x < buffer.width(); ++x) n += buffer.pixel(x, y) == colour;
  return n;
}

TEST(FloodFill, FillsTheInsideOfAClosedShapeOnly) {
  PixelBuffer buffer = boxed();
  const PixelRect area = floodFillSameColour(buffer, 10, 10, {kRed}, buffer.bounds());
  EXPECT_EQ(area, (PixelRect{6, 6, 8, 8}));
  EXPECT_EQ(count(buffer, kRed), 64);
  EXPECT_EQ(buffer.pixel(5, 5), kBlack);
  EXPECT_EQ(buffer.pixel(0, 0), kWhite);
}

TEST(FloodFill, FillsAroundTheShapeFromOutside) {
  PixelBuffer buffer = boxed();
  floodFillSameColour(buffer, 0, 0, {kRed}, buffer.bounds());
  EXPECT_EQ(count(buffer, kRed), 400 - 100);
  EXPECT_EQ(buffer.pixel(10, 10), kWhite);
}

TEST(FloodFill, DiagonalGapsDoNotLeak) {
  PixelBuffer buffer(5, 5);
  // A diagonal line: the two sides touch only at corners.
  for (int i = 0; i < 5; ++i) buffer.setPixel(i, i, kBlack);
  floodFillSameColour(buffer, 4, 0, {kRed}, buffer.bounds());
  EXPECT_EQ(count(buffer, kRed), 10);
  EXPECT_EQ(buffer.pixel(0, 4), kWhite);
}

TEST(FloodFill, FillingWithTheAreasOwnColourEnds) {
  PixelBuffer buffer = boxed();
  const PixelRect area = floodFillSameColour(buffer, 10, 10, {kWhite}, buffer.bounds());
  EXPECT_EQ(area, (PixelRect{6, 6, 8, 8}));
  EXPECT_EQ(count(buffer, kBlack), 36);
}

TEST(FloodFill, SeedsOutsideTheBufferOrClipPaintNothing) {
  PixelBuffer buffer = boxed();
  EXPECT_TRUE(floodFillSameColour(buffer, -1, 3, {kRed}, buffer.bounds()).isEmpty());
  EXPECT_TRUE(floodFillSameColour(buffer, 3, 20, {kRed}, buffer.bounds()).isEmpty());
  EXPECT_TRUE(floodFillSameColour(buffer, 3, 3, {kRed}, {10, 10, 5, 5}).isEmpty());
  EXPECT_EQ(count(buffer, kRed), 0);
}

TEST(FloodFill, TheClipLimitsTheArea) {
  PixelBuffer buffer(20, 20);
  const PixelRect area = floodFillSameColour(buffer, 2, 2, {kRed}, {0, 0, 4, 30});
  EXPECT_EQ(area, (PixelRect{0, 0, 4, 20}));
  EXPECT_EQ(count(buffer, kRed), 80);
}

TEST(FloodFill, AHatchPaintsOnlyItsLinesButFillsTheWholeArea) {
  PixelBuffer buffer(16, 16);
  floodFillSameColour(buffer, 3, 3, {kRed, FillStyle::Horizontal}, buffer.bounds());
  EXPECT_EQ(count(buffer, kRed), 32);  // rows 0 and 8
  EXPECT_EQ(buffer.pixel(3, 8), kRed);
  EXPECT_EQ(buffer.pixel(3, 9), kWhite);
}

TEST(FloodFill, ToBorderFillsEverythingUpToTheBorderColour) {
  PixelBuffer buffer = boxed();
  buffer.setPixel(8, 8, rgb(0, 255, 0));  // another colour inside is filled over
  floodFillToBorder(buffer, 10, 10, kBlack, {kRed}, buffer.bounds());
  EXPECT_EQ(count(buffer, kRed), 64);
  EXPECT_TRUE(floodFillToBorder(buffer, 5, 5, kBlack, {kRed}, buffer.bounds()).isEmpty());
}

TEST(FloodFill, AWholeLargeBufferFillsWithoutDeepRecursion) {
  PixelBuffer buffer(2000, 2000);
  const PixelRect area = floodFillSameColour(buffer, 1000, 1000, {kRed}, buffer.bounds());
  EXPECT_EQ(area, buffer.bounds());
  EXPECT_EQ(buffer.pixel(1999, 1999), kRed);
}

}  // namespace
}  // namespace lx
