// Moving and turning, the pen modes, showing and hiding, and the ranges.
#include "graphics/rect_list.h"
#include "graphics/turtle_commands.h"
#include "graphics/turtle_inputs.h"
#include "graphics/turtle_object.h"
#include "graphics/turtle_properties.h"
#include "core/logo_exception.h"
#include "objects/object_accessors.h"
#include "objects/property_declaration.h"
#include "values/list.h"

namespace lx {
namespace {

Value forward(tmultiobject& self, tLogoStack& stack, int) {
  const long double d = numberOrAny(stack.take(), "anyforward", 1, 100);
  turtleOf(self).forward(d);
  return nullptr;
}

Value back(tmultiobject& self, tLogoStack& stack, int) {
  const long double d = numberOrAny(stack.take(), "anyforward", 1, 100);
  turtleOf(self).forward(-d);
  return nullptr;
}

Value left(tmultiobject& self, tLogoStack& stack, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  turtle.setHeading(turtle.heading() - numberOrAny(stack.take(), "anyleft", 1, 90));
  return nullptr;
}

Value right(tmultiobject& self, tLogoStack& stack, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  turtle.setHeading(turtle.heading() + numberOrAny(stack.take(), "anyright", 1, 90));
  return nullptr;
}

Value setxy(tmultiobject& self, tLogoStack& stack, int) {
  const Value y = stack.take(), x = stack.take();
  tLogoTurtleParams& turtle = turtleOf(self);
  const PointF page{coordinateOrAny(x, turtle, true), coordinateOrAny(y, turtle, false)};
  turtle.moveWithOwnStyle(turtle.surface() ? turtle.surface()->toPixel(page) : page);
  return nullptr;
}

// `.setpos` never wraps or bounces: window style stays, others fence.
Value dotSetpos(tmultiobject& self, tLogoStack& stack, int) {
  const PointF page = pointOf(stack.take());
  tLogoTurtleParams& turtle = turtleOf(self);
  const RangeStyle style = turtle.rangeStyle == RangeStyle::Window ? RangeStyle::Window : RangeStyle::Fence;
  turtle.moveTo(turtle.surface() ? turtle.surface()->toPixel(page) : page, style,
                {true, true, turtle.penMode});
  return nullptr;
}

Value dotSetapos(tmultiobject& self, tLogoStack& stack, int) {
  const PointF pixel = pointOf(stack.take());
  turtleOf(self).moveTo(pixel, RangeStyle::Window, {true, true, PenMode::Up});
  return nullptr;
}

Value home(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  if (turtle.graphicKind() == GraphicKind::Ordinary) turtle.goHome();
  return nullptr;
}

template <PenMode Mode>
Value setPenMode(tmultiobject& self, tLogoStack&, int) {
  turtleOf(self).penMode = Mode;
  return nullptr;
}

template <bool Shown>
Value showOrHide(tmultiobject& self, tLogoStack&, int) {
  turtleOf(self).setShown(Shown);
  return nullptr;
}

// `wrap` and `window`: the range and shown range become the rectangle
// given (none without input or for []), and the range style follows.
template <RangeStyle Style>
Value setRangeAndStyle(tmultiobject& self, tLogoStack& stack, int inputCount) {
  if (inputCount > 1) throw eLogoException(erTooManyInputs);
  const Value rect = inputCount == 1 ? stack.take() : Value(tLogoList::empty());
  tLogoTurtleParams& turtle = turtleOf(self);
  const std::optional<PixelRect> pixels =
      rectOf(rect, Coordinates::Page, turtle.surface() ? turtle.surface()->origin() : PixelPoint{});
  turtle.range.reset();
  if (pixels) turtle.range = rangeOfRect(pixels->x, pixels->y, pixels->width, pixels->height);
  turtle.changeShape([&](TurtleShape& shape) { shape.shownRange = pixels; });
  turtle.rangeStyle = Style;
  turtle.applyBoundary();
  return nullptr;
}

Value toFront(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  if (turtle.surface()) turtle.surface()->toFront(turtle);
  return nullptr;
}

Value toBack(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  if (turtle.surface()) turtle.surface()->toBack(turtle);
  return nullptr;
}

}  // namespace

void declareTurtleMotionCommands(tmultiobject& prototype) {
  declareCommand(prototype, "forward", 1, forward);
  declareCommand(prototype, "back", 1, back);
  declareCommand(prototype, "left", 1, left);
  declareCommand(prototype, "right", 1, right);
  declareCommand(prototype, "setxy", 2, setxy);
  declareCommand(prototype, ".setpos", 1, dotSetpos);
  declareCommand(prototype, ".setapos", 1, dotSetapos);
  declareCommand(prototype, "home", 0, home);
  declareCommand(prototype, "penup", 0, setPenMode<PenMode::Up>);
  declareCommand(prototype, "pendown", 0, setPenMode<PenMode::Down>);
  declareCommand(prototype, "penreverse", 0, setPenMode<PenMode::Reverse>);
  declareCommand(prototype, "penerase", 0, setPenMode<PenMode::Erase>);
  declareCommand(prototype, "hideturtle", 0, showOrHide<false>);
  declareCommand(prototype, "hideme", 0, showOrHide<false>);
  declareCommand(prototype, "showturtle", 0, showOrHide<true>);
  declareCommand(prototype, "showme", 0, showOrHide<true>);
  declareCommand(prototype, "wrap", 0, setRangeAndStyle<RangeStyle::Wrap>, true);
  declareCommand(prototype, "window", 0, setRangeAndStyle<RangeStyle::Window>, true);
  declareCommand(prototype, "tofront", 0, toFront);
  declareCommand(prototype, "toback", 0, toBack);
}

}  // namespace lx
