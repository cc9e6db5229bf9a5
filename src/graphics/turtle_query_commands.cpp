// What turtles answer: bearings, pen and turtle states, overlaps with other
// turtles, the shape's rectangle, the mouse.
#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "graphics/global_setting.h"
#include "graphics/rect_list.h"
#include "graphics/turtle_commands.h"
#include "graphics/turtle_inputs.h"
#include "graphics/turtle_object.h"
#include "graphics/turtle_overlap.h"
#include "graphics/turtle_properties.h"
#include "lang/dictionary.h"
#include "objects/object_accessors.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The turtle a word names as seen from `self` (error 8 for a non-word, 71
// for a word naming no turtle).
tLogoTurtleParams& namedTurtle(tmultiobject& self, const Value& name) {
  if (!name->isWord()) throw eLogoException(erExpectWord, name);
  const ObjectRef object = self.resolveObjectName(name->nameCode());
  auto* turtle = dynamic_cast<tTurtle*>(object.get());
  if (!turtle || !turtle->isInstance()) throw eLogoException(erTurtleUnknown, name);
  return turtle->state();
}

Value towards(tmultiobject& self, tLogoStack& stack, int) {
  const Value target = stack.take();
  tLogoTurtleParams& turtle = turtleOf(self);
  const PointF to = target->isWord() && !target->isNumber()
                        ? namedTurtle(self, target).position()
                        : (turtle.surface() ? turtle.surface()->toPixel(pointOf(target)) : pointOf(target));
  return numberValue(bearingBetween(turtle.position(), to));
}

Value penState(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  ListBuilder state;
  state.add(penWordOf(self));
  state.add(colourValue(turtle.pen.colour));
  state.add(makeInt(turtle.pen.width));
  state.add(makeInt(penPatternIndex(turtle.pen.style)));
  return state.finish();
}

Value setPenState(tmultiobject& self, tLogoStack& stack, int) {
  const Value state = stack.take();
  const tLogoList* list = asList(*state);
  if (!list || list->count() != 4) throw eLogoException(erBadStructure, state);
  auto it = list->begin();
  const Value word = *it++, colour = *it++, width = *it++, pattern = *it;
  tLogoTurtleParams& turtle = turtleOf(self);
  const int newWidth = isAnyWord(width) ? anyInRange("anypenwidth", 1, 20) : width->asIntegerIn(1, 10000);
  const int newPattern = wholeOrAny(pattern, 0, kPenPatternCount - 1, 0, 5);
  setPenWord(self, word);
  setPenColour(self, colour);
  turtle.pen.width = newWidth;
  turtle.pen.style = penStyleOf(newPattern);
  return nullptr;
}

Value turtleState(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  const PointF at = turtle.pagePosition();
  ListBuilder state;
  state.add(numberValue(at.x));
  state.add(numberValue(at.y));
  state.add(numberValue(turtle.heading()));
  state.add(penWordOf(self));
  state.add(makeWord(turtle.shown() ? "st" : "ht"));
  state.add(readProperty(self, prop::kShape));
  return state.finish();
}

Value shownP(tmultiobject& self, tLogoStack&, int) {
  return makeBool(turtleOf(self).shown());
}

// The old way of setting the font: both inputs become the font list.
Value settt(tmultiobject& self, tLogoStack& stack, int) {
  const Value size = stack.take(), face = stack.take();
  ListBuilder font;
  font.add(face);
  font.add(size);
  writeProperty(self, prop::kFont, font.finish());
  return nullptr;
}

OverlapTest overlapTest() {
  const Value mode = globalSetting("overlapmode");
  return mode && mode->isNumber() && mode->asReal() != 0 ? OverlapTest::Rectangles : OverlapTest::Lens;
}

bool overlaps(tLogoTurtleParams& a, tLogoTurtleParams& b) {
  return &a != &b && a.shown() && b.shown() && shapesOverlap(a.graphicRect(), b.graphicRect(), overlapTest());
}

// The names given as a word or a list of words.
std::vector<Value> namesOf(const Value& input) {
  if (const tLogoList* list = asList(*input)) return {list->begin(), list->end()};
  return {input};
}

Value overlapList(tmultiobject& self, tLogoStack& stack, int) {
  const Value input = stack.take();
  tLogoTurtleParams& turtle = turtleOf(self);
  ListBuilder found;
  for (const Value& name : namesOf(input))
    if (overlaps(turtle, namedTurtle(self, name))) found.add(name);
  return found.finish();
}

Value overlapP(tmultiobject& self, tLogoStack& stack, int) {
  const Value input = stack.take();
  tLogoTurtleParams& turtle = turtleOf(self);
  for (const Value& name : namesOf(input))
    if (overlaps(turtle, namedTurtle(self, name))) return makeBool(true);
  return makeBool(false);
}

Value overlapped(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  ListBuilder found;
  if (!turtle.surface()) return found.finish();
  for (tSurfaceGraphic* graphic : turtle.surface()->graphics().weak()) {
    auto* other = dynamic_cast<tLogoTurtleParams*>(graphic);
    if (other && other->object() && other->graphicKind() == GraphicKind::Ordinary && overlaps(turtle, *other))
      found.add(makeWord(other->object()->name()));
  }
  return found.finish();
}

PixelRect shapeRectOf(tLogoTurtleParams& turtle) {
  return turtle.graphicRect();
}

Value shapeRectangle(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  const PixelRect rect = shapeRectOf(turtle);
  const PointF corner = turtle.surface() ? turtle.surface()->toPage(asPointF({rect.x, rect.y})) : PointF{};
  return rectValue({static_cast<int>(corner.x), static_cast<int>(corner.y), rect.width, rect.height});
}

PixelRect givenRect(tLogoTurtleParams& turtle, const Value& value) {
  const std::optional<PixelRect> rect =
      rectOf(value, Coordinates::Page, turtle.surface() ? turtle.surface()->origin() : PixelPoint{});
  return rect.value_or(PixelRect{});
}

Value insideP(tmultiobject& self, tLogoStack& stack, int) {
  const Value value = stack.take();
  tLogoTurtleParams& turtle = turtleOf(self);
  return makeBool(!intersect(shapeRectOf(turtle), givenRect(turtle, value)).isEmpty());
}

Value outsideP(tmultiobject& self, tLogoStack& stack, int) {
  const Value value = stack.take();
  tLogoTurtleParams& turtle = turtleOf(self);
  const PixelRect shape = shapeRectOf(turtle);
  return makeBool(intersect(shape, givenRect(turtle, value)) != shape);
}

Value clickedPos(tmultiobject& self, tLogoStack&, int) {
  return pointValue(turtleOf(self).clickedAt);
}

// The mouse as the turtle's page or pane sees it, in page coordinates.
Value mousePos(tmultiobject& self, tLogoStack&, int) {
  tLogoTurtleParams& turtle = turtleOf(self);
  if (!turtle.surface()) return pointValue({});
  const MouseState mouse = turtle.surface()->window().mouseState();
  return pointValue(turtle.surface()->toPage(asPointF({mouse.x, mouse.y})));
}

}  // namespace

void declareTurtleQueryCommands(tmultiobject& prototype) {
  declareCommand(prototype, "towards", 1, towards);
  declareCommand(prototype, "penstate", 0, penState);
  declareCommand(prototype, "setpenstate", 1, setPenState);
  declareCommand(prototype, "turtlestate", 0, turtleState);
  declareCommand(prototype, "shown?", 0, shownP);
  declareCommand(prototype, "settt", 2, settt);
  declareCommand(prototype, "overlaplist", 1, overlapList);
  declareCommand(prototype, "overlap?", 1, overlapP);
  declareCommand(prototype, "overlapped", 0, overlapped);
  declareCommand(prototype, "shaperectangle", 0, shapeRectangle);
  declareCommand(prototype, "inside?", 1, insideP);
  declareCommand(prototype, "outside?", 1, outsideP);
  declareCommand(prototype, "clickedpos", 0, clickedPos);
  declareCommand(prototype, "mousepos", 0, mousePos);
}

}  // namespace lx
