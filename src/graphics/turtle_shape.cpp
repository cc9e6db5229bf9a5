// Drawing turtle shapes: the default turtle and image cells.
#include "graphics/turtle_shape.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/logo_image.h"
#include "graphics/shape_drawings.h"
#include "graphics/shape_recolour.h"

namespace lx {
namespace {

constexpr Rgb kBody = 0x2E8B57;
constexpr Rgb kOutline = 0x143C26;

// The arrow pointing up, in units of the turtle's square around its centre.
constexpr double kArrow[][2] = {{0, -12}, {9, 10}, {0, 5}, {-9, 10}};

void setColour(cairo_t* cr, Rgb colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

int scaledLength(long double length, long double scale) {
  const long double side = std::fabs(scale) * length;
  return std::clamp(static_cast<int>(std::lround(static_cast<double>(side))), 1, 4 * kMostPictureSide);
}

void arrowPath(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading) {
  cairo_translate(cr, rect.x + rect.width / 2.0, rect.y + rect.height / 2.0);
  cairo_scale(cr, rect.width / static_cast<double>(kTurtleSide),
              rect.height / static_cast<double>(kTurtleSide));
  if (shape.followsHeading) cairo_rotate(cr, static_cast<double>(heading) * std::numbers::pi / 180);
  cairo_move_to(cr, kArrow[0][0], kArrow[0][1]);
  for (const auto& point : kArrow) cairo_line_to(cr, point[0], point[1]);
  cairo_close_path(cr);
}

void paintArrow(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading) {
  arrowPath(cr, shape, rect, heading);
  setColour(cr, shape.colour.value_or(kBody));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, kOutline);
  cairo_stroke(cr);
}

void paintCell(cairo_t* cr, const TurtleShape& shape, const tLogoPicture& cell, const PixelRect& rect) {
  const tLogoPicture* shown = &cell;
  PictureRef recoloured;
  if (shape.colour) {
    recoloured = recolouredCell(shape, cell);
    shown = recoloured.get();
  }
  cairo_translate(cr, rect.x, rect.y);
  cairo_scale(cr, rect.width / static_cast<double>(cell.width()),
              rect.height / static_cast<double>(cell.height()));
  cairo_set_source_surface(cr, shown->surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
}

}  // namespace

const tLogoImage* shapeImage(const TurtleShape& shape) {
  return asImage(shape.image);
}

size_t frameForHeading(size_t count, long double heading, long double baseAngle) {
  if (count < 2) return 0;
  const long double span = 360.0L / count;
  long double angle = std::fmod(heading - baseAngle + span / 2, 360.0L);
  if (angle < 0) angle += 360;
  return static_cast<size_t>(std::floor(angle / span)) % count;
}

size_t shownFrame(const TurtleShape& shape, long double heading) {
  const tLogoImage* image = shapeImage(shape);
  if (!image || image->frames().empty()) return 0;
  const size_t count = image->frames().size();
  if (shape.followsHeading) return frameForHeading(count, heading, image->baseAngle());
  return static_cast<size_t>(std::max(shape.frame - 1, 0)) % count;
}

const tLogoPicture* shownCell(const TurtleShape& shape, long double heading) {
  if (shape.drawings)
    return shape.drawings->picture(static_cast<size_t>(std::max(shape.animationFrame - 1, 0)),
                                   shape.followsHeading ? heading : 0, std::fabs(shape.scaleX),
                                   std::fabs(shape.scaleY));
  const tLogoImage* image = shapeImage(shape);
  if (!image) return nullptr;
  return image->cell(shownFrame(shape, heading), static_cast<size_t>(std::max(shape.animationFrame - 1, 0)));
}

size_t shownCellCount(const TurtleShape& shape, long double heading) {
  if (shape.drawings) return shape.drawings->cellCount();
  const tLogoImage* image = shapeImage(shape);
  return image ? image->cellCount(shownFrame(shape, heading)) : 0;
}

// Drawing lists go round and round; an image as its loop flag says.
bool shapeLoops(const TurtleShape& shape) {
  const tLogoImage* image = shapeImage(shape);
  return !image || image->loops();
}

int shownCellDelay(const TurtleShape& shape, long double heading) {
  if (shape.drawings) return ShapeDrawings::kCellDelay;
  const tLogoPicture* cell = shownCell(shape, heading);
  return cell ? cell->delay : 0;
}

PixelRect shapeRectAt(const TurtleShape& shape, PixelPoint anchor, long double heading) {
  if (const tLogoPicture* cell = shownCell(shape, heading)) {
    // Drawing-list cells are drawn to scale already.
    const long double sx = shape.drawings ? 1 : std::fabs(shape.scaleX);
    const long double sy = shape.drawings ? 1 : std::fabs(shape.scaleY);
    return {anchor.x - static_cast<int>(std::lround(static_cast<double>(cell->hotSpot.x * sx))),
            anchor.y - static_cast<int>(std::lround(static_cast<double>(cell->hotSpot.y * sy))),
            scaledLength(cell->width(), sx), scaledLength(cell->height(), sy)};
  }
  const int width = scaledLength(kTurtleSide, shape.scaleX), height = scaledLength(kTurtleSide, shape.scaleY);
  const int hotX = width * kTurtleHotSpot / kTurtleSide, hotY = height * kTurtleHotSpot / kTurtleSide;
  return {anchor.x - hotX, anchor.y - hotY, width, height};
}

void paintShape(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading) {
  cairo_save(cr);
  // The outline's stroke would reach a pixel past the rectangle at the
  // arrow's tip, where a repaint of the rectangle would never clear it.
  cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
  cairo_clip(cr);
  if (shape.shownRange) {
    const PixelRect& clip = *shape.shownRange;
    cairo_rectangle(cr, clip.x, clip.y, clip.width, clip.height);
    cairo_clip(cr);
  }
  if (const tLogoPicture* cell = shownCell(shape, heading))
    paintCell(cr, shape, *cell, rect);
  else if (!shapeImage(shape) && !shape.drawings)
    paintArrow(cr, shape, rect, heading);
  cairo_restore(cr);
}

bool shapeCovers(const TurtleShape& shape, const PixelRect& rect, long double heading, int x, int y) {
  if (shapeImage(shape) || shape.drawings) {
    const tLogoPicture* cell = shownCell(shape, heading);
    if (!cell || x < 0 || y < 0 || x >= rect.width || y >= rect.height) return false;
    // A drawing is hit only where it drew.
    if (!shape.transparentClick && !shape.drawings) return true;
    return !cell->masked(x * cell->width() / rect.width, y * cell->height() / rect.height);
  }
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  arrowPath(cr, shape, {0, 0, rect.width, rect.height}, heading);
  cairo_identity_matrix(cr);
  cairo_set_line_width(cr, 2);
  const bool inside = cairo_in_fill(cr, x + 0.5, y + 0.5) || cairo_in_stroke(cr, x + 0.5, y + 0.5);
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
  return inside;
}

}  // namespace lx
