// Getters and setters of the turtle's properties.
#include "graphics/turtle_properties.h"

#include <cmath>

#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "graphics/global_setting.h"
#include "graphics/logo_image.h"
#include "graphics/rect_list.h"
#include "graphics/shape_drawings.h"
#include "graphics/shape_source.h"
#include "graphics/turtle_font.h"
#include "graphics/turtle_ink.h"
#include "graphics/turtle_inputs.h"
#include "graphics/turtle_object.h"
#include "lang/dictionary.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

// --- Position, heading, home ---

// Moves to a pixel point; while the turtle is being made it is placed
// there instead and that becomes its home.
void goTo(tmultiobject& self, PointF pixel) {
  tTurtle& turtle = turtleObjectOf(self);
  tLogoTurtleParams& state = turtle.state();
  if (!turtle.beingMade()) {
    state.moveWithOwnStyle(pixel);
    return;
  }
  state.placeAt(pixel);
  if (!turtle.homeGiven) state.homePosition = pixel;
}

PointF pagePointOrAny(tmultiobject& self, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  if (isAnyWord(value)) return state.surface() ? state.surface()->toPage(randomPixelPoint(state)) : PointF{};
  const PointF p = pointOf(value);
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) throw eLogoException(erNumTooBig, value);
  return p;
}

PointF toPixel(tLogoTurtleParams& state, PointF page) {
  return state.surface() ? state.surface()->toPixel(page) : page;
}

Value posOf(tmultiobject& self, int) {
  return pointValue(turtleOf(self).pagePosition());
}
void setPos(tmultiobject& self, int, const Value& value) {
  goTo(self, toPixel(turtleOf(self), pagePointOrAny(self, value)));
}

Value aPosOf(tmultiobject& self, int) {
  return pointValue(turtleOf(self).position());
}
void setAPos(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  goTo(self, isAnyWord(value) ? randomPixelPoint(state) : pointOf(value));
}

Value xCorOf(tmultiobject& self, int) {
  return numberValue(turtleOf(self).pagePosition().x);
}
Value yCorOf(tmultiobject& self, int) {
  return numberValue(turtleOf(self).pagePosition().y);
}
void setXCor(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  PointF page = state.pagePosition();
  page.x = coordinateOrAny(value, state, true);
  goTo(self, toPixel(state, page));
}
void setYCor(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  PointF page = state.pagePosition();
  page.y = coordinateOrAny(value, state, false);
  goTo(self, toPixel(state, page));
}

Value headingOf(tmultiobject& self, int) {
  return numberValue(turtleOf(self).heading());
}
void setHeading(tmultiobject& self, int, const Value& value) {
  tTurtle& turtle = turtleObjectOf(self);
  const long double heading = numberOrAny(value, "anyangle", 0, 359);
  turtle.state().setHeading(heading);
  if (turtle.beingMade() && !turtle.homeGiven) turtle.state().homeHeading = turtle.state().heading();
}

Value homeStateOf(tmultiobject& self, int) {
  tLogoTurtleParams& state = turtleOf(self);
  const PointF home = state.surface() ? state.surface()->toPage(state.homePosition) : state.homePosition;
  ListBuilder list;
  list.add(pointValue(home));
  list.add(numberValue(state.homeHeading));
  return list.finish();
}
void setHomeState(tmultiobject& self, int, const Value& value) {
  tTurtle& turtle = turtleObjectOf(self);
  tLogoTurtleParams& state = turtle.state();
  PointF home;
  long double heading;
  if (isAnyWord(value)) {
    home = randomPixelPoint(state);
    heading = anyInRange("anyangle", 0, 359);
  } else {
    const tLogoList* list = asList(*value);
    if (!list || list->count() != 2 || !isPoint(*list->element()) || !list->rest()->element()->isNumber())
      throw eLogoException(erBadStructure, value);
    home = toPixel(state, pointOf(list->element()));
    heading = list->rest()->element()->asReal();
  }
  state.homePosition = home;
  state.homeHeading = normaliseHeading(heading);
  if (turtle.beingMade()) {
    turtle.homeGiven = true;
    state.placeAt(home);
    state.setHeading(heading);
  }
}

// --- Shown ---

Value shownOf(tmultiobject& self, int) {
  return makeBool(turtleOf(self).shown());
}
void setShown(tmultiobject& self, int, const Value& value) {
  tTurtle& turtle = turtleObjectOf(self);
  if (turtle.beingMade()) turtle.shownGiven = true;
  turtle.state().setShown(value->asBool());
}

// --- Pen and fill ---

Value fillColourOf(tmultiobject& self, int) {
  return colourValue(turtleOf(self).brush.colour);
}
void setFillColour(tmultiobject& self, int, const Value& value) {
  turtleOf(self).brush.colour = colourOf(value);
}
Value fillPatternOf(tmultiobject& self, int) {
  return makeInt(fillPatternIndex(turtleOf(self).brush.style));
}
void setFillPattern(tmultiobject& self, int, const Value& value) {
  turtleOf(self).brush.style = fillStyleOf(wholeOrAny(value, 0, kFillPatternCount - 1, 0, 6));
}
Value penOf(tmultiobject& self, int) {
  return penWordOf(self);
}
void setPen(tmultiobject& self, int, const Value& value) {
  setPenWord(self, value);
}
Value penColourOf(tmultiobject& self, int) {
  return colourValue(turtleOf(self).pen.colour);
}
void setPenColourProperty(tmultiobject& self, int, const Value& value) {
  setPenColour(self, value);
}
Value penWidthOf(tmultiobject& self, int) {
  return makeInt(turtleOf(self).pen.width);
}
void setPenWidth(tmultiobject& self, int, const Value& value) {
  turtleOf(self).pen.width =
      isAnyWord(value) ? anyInRange("anypenwidth", 1, 20) : value->asIntegerIn(1, kWidestPen);
}
Value penPatternOf(tmultiobject& self, int) {
  return makeInt(penPatternIndex(turtleOf(self).pen.style));
}
void setPenPattern(tmultiobject& self, int, const Value& value) {
  turtleOf(self).pen.style = penStyleOf(wholeOrAny(value, 0, kPenPatternCount - 1, 0, 5));
}
Value fontOf(tmultiobject& self, int) {
  return fontValue(turtleOf(self).font);
}
void setFont(tmultiobject& self, int, const Value& value) {
  turtleOf(self).font = fontFromValue(value);
}

// --- Range ---

constexpr const char* kRangeStyleWords[] = {"wrap", "window", "fence", "bounce"};

Value rangeStyleOf(tmultiobject& self, int) {
  return makeWord(localEntry("param", kRangeStyleWords[static_cast<int>(turtleOf(self).rangeStyle)]));
}
void setRangeStyle(tmultiobject& self, int, const Value& value) {
  RangeStyle style = RangeStyle::Wrap;
  if (value->isWord() && !value->wordText().empty()) {
    int found = -1;
    for (int i = 0; i < 4; ++i)
      if (isLocalEntry("param", kRangeStyleWords[i], value->wordText())) found = i;
    if (found < 0) throw eLogoException(erBadValue, value);
    style = static_cast<RangeStyle>(found);
  }
  tLogoTurtleParams& state = turtleOf(self);
  state.rangeStyle = style;
  state.applyBoundary();
}

// A range rectangle in page coordinates as pixels, or none for [].
std::optional<PixelRect> pixelRectOf(tLogoTurtleParams& state, const Value& value) {
  return rectOf(value, Coordinates::Page, state.surface() ? state.surface()->origin() : PixelPoint{});
}

Value pageRectValue(tLogoTurtleParams& state, const PixelRect& rect) {
  const PointF corner = state.surface() ? state.surface()->toPage(asPointF({rect.x, rect.y})) : PointF{};
  return rectValue({static_cast<int>(corner.x), static_cast<int>(corner.y), rect.width, rect.height});
}

Value rangeOf(tmultiobject& self, int) {
  tLogoTurtleParams& state = turtleOf(self);
  if (!state.range) return tLogoList::empty();
  const SurfaceRange& r = *state.range;
  const PixelRect rect{roundedCoordinate(r.xmin), roundedCoordinate(r.ymin),
                       roundedCoordinate(r.xmax - r.xmin + 1), roundedCoordinate(r.ymax - r.ymin + 1)};
  return pageRectValue(state, rect);
}
void setRange(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  const std::optional<PixelRect> rect = pixelRectOf(state, value);
  state.range.reset();
  if (rect) state.range = rangeOfRect(rect->x, rect->y, rect->width, rect->height);
  state.applyBoundary();
}

Value shownRangeOf(tmultiobject& self, int) {
  tLogoTurtleParams& state = turtleOf(self);
  const std::optional<PixelRect>& clip = state.shape().shownRange;
  return clip ? pageRectValue(state, *clip) : Value(tLogoList::empty());
}
void setShownRange(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  const std::optional<PixelRect> rect = pixelRectOf(state, value);
  state.changeShape([&](TurtleShape& shape) { shape.shownRange = rect; });
}

// --- Shape ---

Value shapeOf(tmultiobject& self, int) {
  const Value& value = turtleOf(self).shape().value;
  return value ? value : Value(tLogoList::empty());
}
void setShape(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  std::shared_ptr<const ShapeDrawings> drawings;
  if (isDrawingShape(value))
    drawings =
        std::make_shared<const ShapeDrawings>(value, DrawAttributes{state.pen, state.brush, state.font});
  const Value image = drawings ? nullptr : shownImageOf(value);
  state.changeShape([&](TurtleShape& shape) {
    const bool defaultTurtle = value->isList() && value->isEmpty();
    shape.value = defaultTurtle ? nullptr : value;
    shape.image = image;
    shape.drawings = drawings;
    shape.animationFrame = 1;
    shape.recoloured.reset();
  });
  state.animationChanged(true);
}

Value shapeScaleOf(tmultiobject& self, int) {
  const TurtleShape& shape = turtleOf(self).shape();
  if (shape.scaleX == shape.scaleY) return numberValue(shape.scaleX);
  ListBuilder pair;
  pair.add(numberValue(shape.scaleX));
  pair.add(numberValue(shape.scaleY));
  return pair.finish();
}
void setShapeScale(tmultiobject& self, int, const Value& value) {
  long double sx, sy;
  if (value->isList()) {
    const PointF p = pointOf(value);
    sx = std::fabs(p.x), sy = std::fabs(p.y);
  } else {
    sx = sy = std::fabs(numberOrAny(value, "", 1, 1));
  }
  if (sx > 100 || sy > 100) throw eLogoException(erMinMax, 0, 100, value);
  turtleOf(self).changeShape([&](TurtleShape& shape) { shape.scaleX = sx, shape.scaleY = sy; });
}

Value shapeColourOf(tmultiobject& self, int) {
  const TurtleShape& shape = turtleOf(self).shape();
  return shape.colour ? colourValue(*shape.colour) : Value(tLogoList::empty());
}
void setShapeColour(tmultiobject& self, int, const Value& value) {
  std::optional<Rgb> colour;
  if (!(value->isList() && value->isEmpty())) colour = colourOf(value);
  tLogoTurtleParams& state = turtleOf(self);
  state.changeShape([&](TurtleShape& shape) {
    shape.colour = colour;
    shape.penColour = state.pen.colour;
  });
}

// Flags and numbers of the shape, each read and written the same way.
template <bool TurtleShape::*Flag>
Value shapeFlagOf(tmultiobject& self, int) {
  return makeBool(turtleOf(self).shape().*Flag);
}
template <bool TurtleShape::*Flag>
void setShapeFlag(tmultiobject& self, int, const Value& value) {
  const bool on = value->asBool();
  turtleOf(self).changeShape([&](TurtleShape& shape) { shape.*Flag = on; });
  turtleOf(self).animationChanged();
}
// `frame`: in frame mode the frame the heading shows, else the one chosen.
Value frameOf(tmultiobject& self, int) {
  const tLogoTurtleParams& state = turtleOf(self);
  const TurtleShape& shape = state.shape();
  if (shape.followsHeading && shapeImage(shape))
    return makeInt(static_cast<int32_t>(shownFrame(shape, state.heading()) + 1));
  return makeInt(shape.frame);
}
void setFrame(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  const tLogoImage* image = shapeImage(state.shape());
  const int count = image ? std::max(static_cast<int>(image->frames().size()), 1) : 1;
  const int n = wholeOrAny(value, 1, 1 << 20, 1, count);
  state.changeShape([&](TurtleShape& shape) {
    shape.frame = (n - 1) % count + 1;
    // A frame with fewer cells starts again at its first.
    if (shownCellCount(shape, state.heading()) < static_cast<size_t>(shape.animationFrame))
      shape.animationFrame = 1;
  });
}
// `frameItem`: the cell within the frame shown, whichever way the frame is
// chosen, so it works in frame mode too.
Value frameItemOf(tmultiobject& self, int) {
  return makeInt(turtleOf(self).shownCellNumber());
}
void setFrameItem(tmultiobject& self, int, const Value& value) {
  tLogoTurtleParams& state = turtleOf(self);
  const int cells = std::max(static_cast<int>(shownCellCount(state.shape(), state.heading())), 1);
  const int n = wholeOrAny(value, 1, 1 << 20, 1, cells);
  state.changeShape([&](TurtleShape& shape) { shape.animationFrame = (n - 1) % cells + 1; });
}
Value delayScaleOf(tmultiobject& self, int) {
  return numberValue(turtleOf(self).shape().delayScale);
}
void setDelayScale(tmultiobject& self, int, const Value& value) {
  const long double scale = numberOrAny(value, "", 1, 1);
  turtleOf(self).changeShape([&](TurtleShape& shape) { shape.delayScale = scale; });
  turtleOf(self).animationChanged();
}

Value sensitiveOf(tmultiobject& self, int) {
  return makeBool(turtleOf(self).sensitive);
}
void setSensitive(tmultiobject& self, int, const Value& value) {
  turtleOf(self).sensitive = value->asBool();
}

}  // namespace

void setPenColour(tmultiobject& self, const Value& colour) {
  tLogoTurtleParams& state = turtleOf(self);
  state.pen.colour = state.brush.colour = colourOf(colour);
  // A recoloured shape shows the pen colour too.
  if (state.shape().colour)
    state.changeShape([&](TurtleShape& shape) { shape.penColour = state.pen.colour; });
}

constexpr const char* kPenWords[] = {"penup", "pendown", "penreverse", "penerase"};

Value penWordOf(tmultiobject& self) {
  return makeWord(localName(kPenWords[static_cast<int>(turtleOf(self).penMode)]));
}

void setPenWord(tmultiobject& self, const Value& word) {
  if (word->isWord())
    for (int i = 0; i < 4; ++i)
      if (isLocalName(kPenWords[i], word->wordText())) {
        turtleOf(self).penMode = static_cast<PenMode>(i);
        return;
      }
  throw eLogoException(erExpectPen, word);
}

// A turtle's properties are the calling process's own work: they run in it.
constexpr PropertyEntry kTurtleProperties[] = {
    {prop::kPos, posOf, setPos, SetBy::Command, RunsIn::Process},
    {prop::kAPos, aPosOf, setAPos, SetBy::Command, RunsIn::Process},
    {prop::kTurtleXCor, xCorOf, setXCor, SetBy::Command, RunsIn::Process},
    {prop::kTurtleYCor, yCorOf, setYCor, SetBy::Command, RunsIn::Process},
    {prop::kHeading, headingOf, setHeading, SetBy::Command, RunsIn::Process},
    {prop::kHomeState, homeStateOf, setHomeState, SetBy::Command, RunsIn::Process},
    {prop::kShown, shownOf, setShown, SetBy::Command, RunsIn::Process},
    {prop::kFillColour, fillColourOf, setFillColour, SetBy::Command, RunsIn::Process},
    {prop::kFillPattern, fillPatternOf, setFillPattern, SetBy::Command, RunsIn::Process},
    {prop::kPen, penOf, setPen, SetBy::Command, RunsIn::Process},
    {prop::kPenColour, penColourOf, setPenColourProperty, SetBy::Command, RunsIn::Process},
    {prop::kPenWidth, penWidthOf, setPenWidth, SetBy::Command, RunsIn::Process},
    {prop::kPenPattern, penPatternOf, setPenPattern, SetBy::Command, RunsIn::Process},
    {prop::kFont, fontOf, setFont, SetBy::Command, RunsIn::Process},
    {prop::kRangeStyle, rangeStyleOf, setRangeStyle, SetBy::Command, RunsIn::Process},
    {prop::kRange, rangeOf, setRange, SetBy::Command, RunsIn::Process},
    {prop::kShownRange, shownRangeOf, setShownRange, SetBy::Command, RunsIn::Process},
    {prop::kShape, shapeOf, setShape, SetBy::Command, RunsIn::Process},
    {prop::kShapeScale, shapeScaleOf, setShapeScale, SetBy::Command, RunsIn::Process},
    {prop::kShapeColour, shapeColourOf, setShapeColour, SetBy::Command, RunsIn::Process},
    {prop::kFrameMode, shapeFlagOf<&TurtleShape::followsHeading>, setShapeFlag<&TurtleShape::followsHeading>,
     SetBy::Command, RunsIn::Process},
    {prop::kAnimation, shapeFlagOf<&TurtleShape::animation>, setShapeFlag<&TurtleShape::animation>,
     SetBy::Command, RunsIn::Process},
    {prop::kTransparentClick, shapeFlagOf<&TurtleShape::transparentClick>,
     setShapeFlag<&TurtleShape::transparentClick>, SetBy::Command, RunsIn::Process},
    {prop::kAutoDrag, shapeFlagOf<&TurtleShape::autoDrag>, setShapeFlag<&TurtleShape::autoDrag>,
     SetBy::Command, RunsIn::Process},
    {prop::kFrame, frameOf, setFrame, SetBy::Command, RunsIn::Process},
    {prop::kFrameItem, frameItemOf, setFrameItem, SetBy::Command, RunsIn::Process},
    {prop::kDelayScale, delayScaleOf, setDelayScale, SetBy::Command, RunsIn::Process},
    {prop::kSensitive, sensitiveOf, setSensitive, SetBy::Command, RunsIn::Process},
};

void declareTurtleProperties(tmultiobject& prototype) {
  declareProperties(prototype, kTurtleProperties, DeclaredOn::Prototype);
}

}  // namespace lx
