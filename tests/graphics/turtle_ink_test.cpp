// The pen's trace in a bitmap: thin lines pixel by pixel with both ends,
// XOR that leaves out the shared pixel of joined segments and undoes
// itself, wide pens, far-away segments, erasing and dots.
#include "graphics/turtle_ink.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

constexpr Rgb kRed = 0xFF0000;

int count(const PixelBuffer& bitmap, Rgb colour) {
  int n = 0;
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) n += bitmap.pixel(x, y) == colour;
  return n;
}

PathSegment segment(long double x1, long double y1, long double x2, long double y2) {
  return {{x1, y1}, {x2, y2}};
}

TEST(TurtleInk, ThinLinesCoverBothEnds) {
  PixelBuffer bitmap(50, 50);
  const PixelRect changed = drawSegments(bitmap, {segment(10, 10, 20, 10)}, {kRed, 1}, PenMode::Down, kWhite);
  EXPECT_EQ(count(bitmap, kRed), 11);
  EXPECT_EQ(bitmap.pixel(10, 10), kRed);
  EXPECT_EQ(bitmap.pixel(20, 10), kRed);
  EXPECT_TRUE(changed.contains(10, 10) && changed.contains(20, 10));
  // Ends are rounded to the nearest pixel.
  drawSegments(bitmap, {segment(30.4L, 30.6L, 30.4L, 30.6L)}, {kRed, 1}, PenMode::Down, kWhite);
  EXPECT_EQ(bitmap.pixel(30, 31), kRed);
}

TEST(TurtleInk, ReverseUndoesItselfAndJoinsCleanly) {
  PixelBuffer bitmap(50, 50);
  const std::vector<PathSegment> path = {segment(5, 5, 25, 5), segment(25, 5, 25, 25)};
  drawSegments(bitmap, path, {0x00FFFF, 1}, PenMode::Reverse, kWhite);
  // White XOR cyan is red; the corner pixel is drawn once, not twice.
  EXPECT_EQ(bitmap.pixel(25, 5), kRed);
  EXPECT_EQ(count(bitmap, kRed), 40);
  drawSegments(bitmap, path, {0x00FFFF, 1}, PenMode::Reverse, kWhite);
  EXPECT_EQ(count(bitmap, kWhite), 50 * 50);
  // Wide pens too.
  drawSegments(bitmap, path, {0x00FFFF, 5}, PenMode::Reverse, kWhite);
  EXPECT_GT(count(bitmap, kRed), 100);
  drawSegments(bitmap, path, {0x00FFFF, 5}, PenMode::Reverse, kWhite);
  EXPECT_EQ(count(bitmap, kWhite), 50 * 50);
}

TEST(TurtleInk, EraseUsesTheBackgroundAndUpOrClearDrawNothing) {
  PixelBuffer bitmap(50, 50, kRed);
  drawSegments(bitmap, {segment(0, 0, 49, 0)}, {0, 1}, PenMode::Erase, kWhite);
  EXPECT_EQ(count(bitmap, kWhite), 50);
  EXPECT_TRUE(drawSegments(bitmap, {segment(0, 5, 49, 5)}, {0, 1}, PenMode::Up, kWhite).isEmpty());
  EXPECT_TRUE(
      drawSegments(bitmap, {segment(0, 5, 49, 5)}, {0, 1, PenStyle::Clear}, PenMode::Down, kWhite).isEmpty());
  EXPECT_EQ(count(bitmap, kWhite), 50);
}

TEST(TurtleInk, WideAndDashedPens) {
  PixelBuffer bitmap(100, 100);
  drawSegments(bitmap, {segment(10, 50, 90, 50)}, {kRed, 9}, PenMode::Down, kWhite);
  EXPECT_EQ(bitmap.pixel(50, 46), kRed);
  EXPECT_EQ(bitmap.pixel(50, 54), kRed);
  EXPECT_EQ(bitmap.pixel(50, 57), kWhite);
  PixelBuffer dashed(100, 10);
  drawSegments(dashed, {segment(0, 5, 99, 5)}, {kRed, 1, PenStyle::Dash}, PenMode::Down, kWhite);
  const int drawn = count(dashed, kRed);
  EXPECT_GT(drawn, 40);
  EXPECT_LT(drawn, 100);
}

TEST(TurtleInk, FarAwaySegmentsAreCutToTheBitmap) {
  PixelBuffer bitmap(40, 40);
  drawSegments(bitmap, {segment(-1e15L, 20, 1e15L, 20)}, {kRed, 1}, PenMode::Down, kWhite);
  EXPECT_EQ(count(bitmap, kRed), 40);
  const PixelRect nothing =
      drawSegments(bitmap, {segment(-1e9L, -1e9L, -1e9L + 5, -1e9L)}, {kRed, 3}, PenMode::Down, kWhite);
  EXPECT_TRUE(nothing.isEmpty());
}

TEST(TurtleInk, DotsAreRoundWithTheirDiameter) {
  PixelBuffer bitmap(40, 40);
  drawDot(bitmap, {20, 20}, 1, kRed);
  EXPECT_EQ(count(bitmap, kRed), 1);
  drawDot(bitmap, {20, 20}, 10, kRed);
  EXPECT_EQ(bitmap.pixel(16, 20), kRed);
  EXPECT_EQ(bitmap.pixel(15, 15), kWhite);
  EXPECT_EQ(bitmap.pixel(26, 20), kWhite);
}

}  // namespace
}  // namespace lx
