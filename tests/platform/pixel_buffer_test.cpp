// The pixel buffer: its layout is cairo's RGB24, reading outside it, and
// resizing.
#include "platform/pixel_buffer.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace lx {

TEST(PixelBuffer, CairoDrawingAndDirectPixelsAgree) {
  PixelBuffer pixels(16, 8, rgb(1, 2, 3));
  EXPECT_GE(pixels.stride(), 16 * 4);
  cairo_t* cr = cairo_create(pixels.cairoSurface());
  cairo_set_source_rgb(cr, 1.0, 128 / 255.0, 0.0);
  cairo_rectangle(cr, 4, 2, 2, 2);
  cairo_fill(cr);
  cairo_destroy(cr);
  pixels.flush();
  EXPECT_EQ(pixels.pixel(4, 2), rgb(255, 128, 0));
  EXPECT_EQ(pixels.row(3)[5] & 0xFFFFFF, rgb(255, 128, 0));
  EXPECT_EQ(pixels.pixel(6, 2), rgb(1, 2, 3));
  // Direct writes are what cairo reads as its source.
  pixels.setPixel(0, 0, rgb(9, 8, 7));
  pixels.markDirty();
  PixelBuffer copy(16, 8, 0);
  cr = cairo_create(copy.cairoSurface());
  cairo_set_source_surface(cr, pixels.cairoSurface(), 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  copy.flush();
  EXPECT_EQ(copy.pixel(0, 0), rgb(9, 8, 7));
  EXPECT_EQ(copy.pixel(5, 3), rgb(255, 128, 0));
}

TEST(PixelBuffer, OutsideReadsTheGivenColourAndWritesAreIgnored) {
  PixelBuffer pixels(4, 4, 0);
  pixels.setPixel(-1, 0, kWhite);
  pixels.setPixel(4, 0, kWhite);
  pixels.fillRect({-10, -10, 12, 11}, rgb(5, 5, 5));
  EXPECT_EQ(pixels.pixel(1, 0), rgb(5, 5, 5));
  EXPECT_EQ(pixels.pixel(2, 0), 0u);
  EXPECT_EQ(pixels.pixel(1, 1), 0u);
  EXPECT_EQ(pixels.pixel(-1, 2, rgb(1, 1, 1)), rgb(1, 1, 1));
  EXPECT_EQ(pixels.pixel(0, 4), kWhite);
}

TEST(PixelBuffer, ResizeKeepsTheSharedPartAndFillsTheRest) {
  PixelBuffer pixels(3, 3, rgb(7, 7, 7));
  pixels.resize(5, 2, rgb(0, 1, 0));
  EXPECT_EQ(pixels.width(), 5);
  EXPECT_EQ(pixels.height(), 2);
  EXPECT_EQ(pixels.pixel(2, 1), rgb(7, 7, 7));
  EXPECT_EQ(pixels.pixel(3, 0), rgb(0, 1, 0));
  pixels.resize(0, 0);
  EXPECT_EQ(pixels.pixel(0, 0, 42), 42u);
}

}  // namespace lx
