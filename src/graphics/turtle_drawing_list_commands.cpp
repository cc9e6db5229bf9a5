// The turtle commands that draw drawing lists into the page's drawing:
// `drawlist` and the one-command lists `polygon`, `outline`, `drawspline`,
// `ellipse` and `filledellipse`, each from the turtle's position and
// heading with its pen, brush and font, clipped to its range. The turtle
// itself does not move, and what the list changes stays in the list.
#include "graphics/background_canvas.h"
#include "graphics/drawing_list.h"
#include "graphics/drawing_vocabulary.h"
#include "graphics/turtle_commands.h"
#include "graphics/turtle_object.h"
#include "core/logo_exception.h"
#include "objects/object_accessors.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The pixels of the turtle's range (its own, else the page's) within the
// drawing.
PixelRect clipOf(const tLogoTurtleParams& turtle, const tgrScreen& surface) {
  const SurfaceRange range = turtle.boundary();
  const PixelRect rect =
      rectBetween(roundedPixel({range.xmin, range.ymin}), roundedPixel({range.xmax, range.ymax}));
  return intersect(rect, surface.bitmap().bounds());
}

void drawAtTurtle(tLogoTurtleParams& turtle, const Value& list) {
  tgrScreen* surface = turtle.surface();
  if (!surface) throw eLogoException(erInitTurtle);
  tDrawingList drawing;
  drawing.compile(list, {turtle.pen, turtle.brush, turtle.font});
  drawing.transform({turtle.position(), 1, 1, turtle.heading()});
  PixelRect changed;
  {
    BackgroundCanvas canvas(*surface);
    changed = drawing.render(canvas.cr(), clipOf(turtle, *surface));
  }
  if (!changed.isEmpty()) surface->invalidateExact(changed);
}

Value drawList(tmultiobject& self, tLogoStack& stack, int) {
  const Value list = stack.take();
  drawAtTurtle(turtleOf(self), list);
  return nullptr;
}

// A command that draws the drawing list made of its word and its input.
template <DrawCode code>
Value drawOne(tmultiobject& self, tLogoStack& stack, int) {
  ListBuilder list;
  list.add(makeWord(drawWordOf(code)));
  list.add(stack.take());
  drawAtTurtle(turtleOf(self), list.finish());
  return nullptr;
}

}  // namespace

void declareTurtleDrawingListCommands(tmultiobject& prototype) {
  declareCommand(prototype, "drawlist", 1, drawList);
  declareCommand(prototype, "polygon", 1, drawOne<DrawCode::Polygon>);
  declareCommand(prototype, "outline", 1, drawOne<DrawCode::Outline>);
  declareCommand(prototype, "drawspline", 1, drawOne<DrawCode::DrawSpline>);
  declareCommand(prototype, "ellipse", 1, drawOne<DrawCode::Ellipse>);
  declareCommand(prototype, "filledellipse", 1, drawOne<DrawCode::FilledEllipse>);
}

}  // namespace lx
