// The shape a turtle shows: the default turtle, an arrow of the system's own
// drawing turned with the heading, or an image whose frame is chosen from
// the heading (or by `frame`) and whose cell advances in an animation;
// either scaled, clipped to the shown range and optionally recoloured.
// Shapes given as drawing lists are kept as the value Logo gave and shown
// as the default turtle.
#pragma once

#include <memory>
#include <optional>

#include "core/value.h"
#include "graphics/logo_picture.h"
#include "graphics/surface_geometry.h"
#include "platform/pixel_buffer.h"

typedef struct _cairo cairo_t;

namespace lx {

class tLogoImage;
class ShapeDrawings;
struct RecolourCache;

struct TurtleShape {
  Value value;  // as Logo set it; none: the default turtle
  Value image;  // the image shown; none: the default turtle or drawings
  // The drawing lists shown instead of an image; shared by copies of the shape.
  std::shared_ptr<const ShapeDrawings> drawings;
  long double scaleX = 1;  // shapeScale
  long double scaleY = 1;
  std::optional<Rgb> colour;   // shapeColour; none: the shape's own colours
  Rgb penColour = 0;           // the pen colour recolouring uses
  bool followsHeading = true;  // frameMode
  int frame = 1;               // from 1; used when frames do not follow the heading
  int animationFrame = 1;      // the cell within the frame shown, from 1
  bool animation = false;
  long double delayScale = 1;
  bool transparentClick = false;
  bool autoDrag = false;
  std::optional<PixelRect> shownRange;  // outside it the shape is clipped
  // Recoloured cells made for painting; guarded by the drawing lock.
  mutable std::shared_ptr<RecolourCache> recoloured;
};

// The side of the default turtle's square, and its hot spot.
inline constexpr int kTurtleSide = 25;
inline constexpr int kTurtleHotSpot = 12;

// The image a shape shows, or nullptr for the default turtle.
const tLogoImage* shapeImage(const TurtleShape& shape);
// The frame of an image with `count` frames that a heading shows: frame 0
// at the base angle, each frame covering 360/count degrees around its own
// direction.
size_t frameForHeading(size_t count, long double heading, long double baseAngle);
// The frame shown (from 0): chosen by the heading, or by `frame`.
size_t shownFrame(const TurtleShape& shape, long double heading);
// The cell shown; nullptr for the default turtle or an image without cells.
// A drawing-list cell comes turned and scaled already.
const tLogoPicture* shownCell(const TurtleShape& shape, long double heading);
// The cells of the frame shown, and whether an animation goes round again.
size_t shownCellCount(const TurtleShape& shape, long double heading);
bool shapeLoops(const TurtleShape& shape);
// The delay of the cell shown, in milliseconds, before the delay scale.
int shownCellDelay(const TurtleShape& shape, long double heading);

// Where the shape is drawn when its hot spot sits on `anchor`.
PixelRect shapeRectAt(const TurtleShape& shape, PixelPoint anchor, long double heading);
// Draws the shape into `rect` at `heading` (rect from shapeRectAt).
void paintShape(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading);
// Whether a point relative to the rectangle's upper-left corner lies on the
// shape; masked pixels of an image count only without transparent clicks.
bool shapeCovers(const TurtleShape& shape, const PixelRect& rect, long double heading, int x, int y);

}  // namespace lx
