// What turtles draw beside their paths: dots, circles, fills, labels and
// stamps, each into the background bitmap under the drawing lock.
#include <cairo.h>

#include "graphics/background_canvas.h"
#include "graphics/colour_value.h"
#include "graphics/flood_fill.h"
#include "graphics/global_setting.h"
#include "graphics/turtle_commands.h"
#include "graphics/turtle_inputs.h"
#include "graphics/turtle_label.h"
#include "graphics/turtle_object.h"
#include "core/logo_exception.h"
#include "objects/object_accessors.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

tgrScreen& surfaceOfTurtle(tLogoTurtleParams& turtle) {
  if (!turtle.surface()) throw eLogoException(erInitTurtle);
  return *turtle.surface();
}

// The colour the pen leaves: the background's while erasing.
Rgb inkOf(tLogoTurtleParams& turtle) {
  return turtle.penMode == PenMode::Erase ? surfaceOfTurtle(turtle).backgroundColour() : turtle.pen.colour;
}

Value dotOfDiameter(tLogoTurtleParams& turtle, int diameter) {
  tgrScreen& surface = surfaceOfTurtle(turtle);
  PixelRect changed;
  {
    tgrScreen::DrawingLock held = surface.lockDrawing();
    changed = drawDot(surface.bitmap(), roundedPixel(turtle.position()), diameter, inkOf(turtle));
  }
  surface.invalidate(changed, 1);
  return nullptr;
}

Value dot(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  return dotOfDiameter(turtle, turtle.pen.width);
}

Value point(tmultiobject& self, tLogoStack& stack, int) {
  const int diameter = wholeOrAny(stack.take(), 1, 10000, 1, 100);
  return dotOfDiameter(turtleOf(self), diameter);
}

Value dotColour(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  const PixelPoint at = roundedPixel(turtle.position());
  return colourValue(surfaceOfTurtle(turtle).pixelAt(at.x, at.y));
}

void circleOf(tLogoTurtleParams& turtle, long double diameter, bool filled) {
  tgrScreen& surface = surfaceOfTurtle(turtle);
  const double radius = static_cast<double>(std::fabs(diameter)) / 2;
  if (!(radius < 1e6)) throw eLogoException(erNumTooBig, numberValue(diameter));
  const PixelPoint centre = roundedPixel(turtle.position());
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, centre.x + 0.5, centre.y + 0.5, radius, 0, 2 * M_PI);
    if (filled && applyBrush(cr, turtle.brush)) cairo_fill_preserve(cr);
    Pen pen = turtle.pen;
    pen.colour = inkOf(turtle);
    if (applyPen(cr, pen)) cairo_stroke(cr);
    cairo_new_path(cr);
  }
  const int r = static_cast<int>(std::ceil(radius));
  surface.invalidate({centre.x - r, centre.y - r, 2 * r + 1, 2 * r + 1}, turtle.pen.width);
}

Value circle(tmultiobject& self, tLogoStack& stack, int) {
  const long double d = numberOrAny(stack.take(), "", 0, 0);
  circleOf(turtleOf(self), d, false);
  return nullptr;
}

Value filledCircle(tmultiobject& self, tLogoStack& stack, int) {
  const long double d = numberOrAny(stack.take(), "", 0, 0);
  circleOf(turtleOf(self), d, true);
  return nullptr;
}

// `fillmode` 1 fills out to the pen colour; anything else fills the area
// of the colour under the turtle.
Value fill(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  tgrScreen& surface = surfaceOfTurtle(turtle);
  const Value mode = globalSetting("fillmode");
  const bool toBorder = mode && mode->isNumber() && mode->asReal() == 1;
  const PixelPoint seed = roundedPixel(turtle.position());
  PixelRect clip{0, 0, 1 << 30, 1 << 30};
  if (turtle.range) {
    const SurfaceRange& r = *turtle.range;
    clip = rectBetween(roundedPixel({r.xmin, r.ymin}), roundedPixel({r.xmax, r.ymax}));
  }
  PixelRect changed;
  {
    BackgroundCanvas canvas(surface);
    PixelBuffer& pixels = canvas.pixels();
    clip = intersect(clip, pixels.bounds());
    changed = toBorder ? floodFillToBorder(pixels, seed.x, seed.y, turtle.pen.colour, turtle.brush, clip)
                       : floodFillSameColour(pixels, seed.x, seed.y, turtle.brush, clip);
    canvas.pixelsChanged();
  }
  if (!changed.isEmpty()) surface.invalidateExact(changed);
  return nullptr;
}

std::string textOf(const Value& value) {
  return value->printText(0);
}

void labelAt(tLogoTurtleParams& turtle, const std::string& text) {
  tgrScreen& surface = surfaceOfTurtle(turtle);
  PixelRect changed;
  {
    BackgroundCanvas canvas(surface);
    changed = drawLabel(canvas.cr(), text, turtle.font, inkOf(turtle), turtle.position(), turtle.heading());
  }
  surface.invalidateExact(changed);
}

Value label(tmultiobject& self, tLogoStack& stack, int) {
  const std::string text = textOf(stack.take());
  labelAt(turtleOf(self), text);
  return nullptr;
}

Value label2(tmultiobject& self, tLogoStack& stack, int) {
  const std::string text = textOf(stack.take());
  tLogoTurtleParams& turtle = turtleOf(self);
  labelAt(turtle, text);
  const PointF end = labelEnd(text, turtle.font, turtle.position(), turtle.heading());
  turtle.moveTo(end, turtle.rangeStyle, {true, true, PenMode::Up});
  return nullptr;
}

Value textSize(tmultiobject& self, tLogoStack& stack, int) {
  const std::string text = textOf(stack.take());
  const LabelExtent extent = measureLabel(text, turtleOf(self).font);
  ListBuilder sizes;
  for (int n : {extent.width, extent.height, extent.ascent, extent.descent}) sizes.add(makeInt(n));
  return sizes.finish();
}

Value stamp(tmultiobject& self, tLogoStack&, int) {
  turtleOf(self).stamp();
  return nullptr;
}

}  // namespace

void declareTurtleDrawingCommands(tmultiobject& prototype) {
  declareCommand(prototype, "dot", 0, dot);
  declareCommand(prototype, "point", 1, point);
  declareCommand(prototype, "dotcolor", 0, dotColour);
  declareCommand(prototype, "circle", 1, circle);
  declareCommand(prototype, "filledcircle", 1, filledCircle);
  declareCommand(prototype, "fill", 0, fill);
  declareCommand(prototype, "label", 1, label);
  declareCommand(prototype, "label2", 1, label2);
  declareCommand(prototype, "textsize", 1, textSize);
  declareCommand(prototype, "stamp", 0, stamp);
}

}  // namespace lx
