// Turtle and page picture commands.
#include "graphics/picture_commands.h"

#include <cairo.h>

#include <cmath>

#include "core/logo_exception.h"
#include "graphics/background_canvas.h"
#include "graphics/drawing_capture.h"
#include "graphics/image_loader.h"
#include "graphics/logo_image.h"
#include "graphics/logo_page.h"
#include "graphics/picture_source.h"
#include "graphics/rect_list.h"
#include "graphics/surface_mouse.h"
#include "graphics/surface_owner.h"
#include "graphics/turtle_object.h"
#include "objects/object_accessors.h"
#include "values/list.h"

namespace lx {
namespace {

// `stamppicture picture`: the picture drawn into the drawing with its hot
// spot on the turtle, scaled as the shape is.
Value stampPicture(tmultiobject& self, tLogoStack& stack, int) {
  const PictureRef picture = pictureOf(stack.take());
  tLogoTurtleParams& turtle = turtleOf(self);
  tgrScreen& surface = drawingSurfaceOf(self);
  TurtleShape shape;
  shape.image = imageOfPicture(picture);
  shape.scaleX = turtle.shape().scaleX;
  shape.scaleY = turtle.shape().scaleY;
  const PixelRect rect = shapeRectAt(shape, roundedPixel(turtle.position()), 0);
  {
    BackgroundCanvas canvas(surface);
    paintShape(canvas.cr(), shape, rect, 0);
  }
  surface.invalidateExact(rect);
  return nullptr;
}

// `shapeimage`: the frame shown, all its cells, as an image; the built-in
// turtle for the default shape.
Value shapeImageCommand(tmultiobject& self, tLogoStack&, int) {
  const tLogoTurtleParams& turtle = turtleOf(self);
  const tLogoImage* image = shapeImage(turtle.shape());
  if (!image) return builtinTurtleImage();
  if (image->frames().empty()) return makeImage({});
  const size_t frame = shownFrame(turtle.shape(), turtle.heading());
  return makeImage({image->frames()[frame]}, image->baseAngle(), image->loops());
}

// `getimage [dx dy w h]`: from dx pixels left of the anchor and dy above it
// to w right and h below, both edges included; equal edges take the whole
// width or height. The hot spot is at (dx, dy).
Value getImage(tmultiobject& self, tLogoStack& stack, int) {
  const Value input = stack.take();
  const tLogoList* list = asList(*input);
  if (!list) throw eLogoException(erExpectList, input);
  if (list->count() != 4) throw eLogoException(erBadStructure, input);
  int n[4], i = 0;
  for (const Value& v : *list) {
    if (!v->isNumber()) throw eLogoException(erBadStructure, input);
    n[i++] = v->asIntegerIn(-kMostPictureSide, kMostPictureSide);
  }
  tgrScreen& surface = drawingSurfaceOf(self);
  const PixelPoint anchor = roundedPixel(turtleOf(self).position());
  PixelRect rect{anchor.x - n[0], anchor.y - n[1], n[0] + n[2] + 1, n[1] + n[3] + 1};
  if (n[0] == -n[2]) rect.x = 0, rect.width = surface.width();
  if (n[1] == -n[3]) rect.y = 0, rect.height = surface.height();
  return captureImage(surface, rect, {n[0], n[1]}, input, captureMode());
}

// `takepicture rect`: that part of the page's drawing, in page coordinates.
// Both take what `imode` chooses.
Value takePicture(tmultiobject& self, tLogoStack& stack, int) {
  const Value input = stack.take();
  tgrScreen& surface = drawingSurfaceOf(self);
  const std::optional<PixelRect> rect = rectOf(input, Coordinates::Page, surface.origin());
  if (!rect) throw eLogoException(erBadStructure, input);
  return captureImage(surface, *rect, {rect->width / 2, rect->height / 2}, input, captureMode());
}

SurfaceMouse& mouseOf(tmultiobject& self) {
  SurfaceMouse* mouse = surfaceOwnerOf(surfaceObjectOf(self))->surfaceMouse();
  if (!mouse) throw eLogoException(erNoCurPage);
  return *mouse;
}

// `createselection rect`: the drawing's pixels in `rect` (page coordinates)
// float where they were for the user to move and drop; the hole they leave
// has the background colour.
Value createSelection(tmultiobject& self, tLogoStack& stack, int) {
  const Value input = stack.take();
  tgrScreen& surface = drawingSurfaceOf(self);
  SurfaceMouse& mouse = mouseOf(self);
  const std::optional<PixelRect> rect = rectOf(input, Coordinates::Page, surface.origin());
  if (!rect) throw eLogoException(erBadStructure, input);
  CutPicture cut = cutSelection(surface, *rect);
  if (!cut.picture) throw eLogoException(erBadStructure, input);
  mouse.floatSelection(std::move(cut.picture), cut.at);
  return nullptr;
}

// `createfileselection name`: the picture file's first picture floats at
// the drawing's upper-left corner.
Value createFileSelection(tmultiobject& self, tLogoStack& stack, int) {
  const Value name = stack.take();
  SurfaceMouse& mouse = mouseOf(self);
  mouse.floatSelection(pictureOf(loadImageNamed(name->printText(0))), {0, 0});
  return nullptr;
}

}  // namespace

void declareTurtlePictureCommands(tmultiobject& prototype) {
  declareCommand(prototype, "stamppicture", 1, stampPicture);
  declareCommand(prototype, "shapeimage", 0, shapeImageCommand);
  declareCommand(prototype, "getimage", 1, getImage);
}

void declarePagePictureCommands(tmultiobject& prototype) {
  declareCommand(prototype, "takepicture", 1, takePicture);
  declareCommand(prototype, "createselection", 1, createSelection);
  declareCommand(prototype, "createfileselection", 1, createFileSelection);
}

}  // namespace lx
