// Property getters and setters of pages and panes.
#include "graphics/surface_properties.h"

#include <optional>

#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "graphics/global_setting.h"
#include "graphics/logo_page.h"
#include "graphics/picture_source.h"
#include "graphics/rect_list.h"
#include "lang/dictionary.h"
#include "objects/events.h"
#include "objects/object_codes.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/any_word.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/random.h"

namespace lx {
namespace {

constexpr int kLargestWidth = 10000;
constexpr int kLargestSize = 1 << 14;

tgrScreen& ownSurface(tmultiobject& object) {
  tgrScreen* surface = surfaceOf(object);
  if (!surface) throw eLogoException(dynamic_cast<tlogopane*>(&object) ? erInitPane : erInitPage);
  return *surface;
}

bool isAny(const Value& value) {
  return value->isWord() && !value->isNumber() && isTheAnyWord(value->wordText());
}

Value bgColourOf(tmultiobject& object, int) {
  return colourValue(ownSurface(object).backgroundColour());
}

void setBgColour(tmultiobject& object, int, const Value& value) {
  const Rgb colour = colourOf(value);
  if (auto* pane = dynamic_cast<tlogopane*>(&object); pane && !pane->created) pane->backgroundGiven = true;
  ownSurface(object).setBackgroundColour(colour);
  cleanDrawing(object);
}

Value lineColourOf(tmultiobject& object, int) {
  return colourValue(ownSurface(object).linePen().colour);
}

void setLineColour(tmultiobject& object, int, const Value& value) {
  ownSurface(object).setLineColour(colourOf(value));
}

Value lineWidthOf(tmultiobject& object, int) {
  return makeInt(ownSurface(object).linePen().width);
}

void setLineWidth(tmultiobject& object, int, const Value& value) {
  const int width = isAny(value) ? anyInRange("anypenwidth", 1, 20) : value->asIntegerIn(0, kLargestWidth);
  ownSurface(object).setLineWidth(width);
}

Value linePatternOf(tmultiobject& object, int) {
  return makeInt(penPatternIndex(ownSurface(object).linePen().style));
}

void setLinePattern(tmultiobject& object, int, const Value& value) {
  const int index =
      isAny(value) ? static_cast<int>(randomBelow(6)) : value->asIntegerIn(0, kPenPatternCount - 1);
  ownSurface(object).setLinePattern(index);
}

Value originOf(tmultiobject& object, int) {
  return pointValue(asPointF(ownSurface(object).origin()));
}

void setOrigin(tmultiobject& object, int, const Value& value) {
  ownSurface(object).setOrigin(pixelPointOf(value));
}

Value storedOrEmpty(tmultiobject& object, int code) {
  Value kept = object.storedProperty(code);
  return kept ? kept : Value(tLogoList::empty());
}

void setVoiceMenu(tmultiobject& object, int code, const Value& value) {
  if (!value->isList()) throw eLogoException(erExpectList, value);
  object.setStoredProperty(code, value);
}

void setBgPicture(tmultiobject& object, int code, const Value& value) {
  loadBackgroundPicture(object, value);
  object.setStoredProperty(code, value);
}

Value sizeOf(tmultiobject& object, int code) {
  const tgrScreen& surface = ownSurface(object);
  if (code == prop::kWidth) return makeInt(surface.width());
  if (code == prop::kHeight) return makeInt(surface.height());
  ListBuilder size;
  size.add(makeInt(surface.width()));
  size.add(makeInt(surface.height()));
  return size.finish();
}

void setSize(tmultiobject& object, int code, const Value& value) {
  tSurfaceOwner* owner = surfaceOwnerOf(object);
  const tgrScreen& surface = ownSurface(object);
  int width = surface.width();
  int height = surface.height();
  if (code == prop::kWidth) {
    width = value->asIntegerIn(1, kLargestSize);
  } else if (code == prop::kHeight) {
    height = value->asIntegerIn(1, kLargestSize);
  } else {
    const tLogoList* list = asList(*value);
    if (!list || list->count() != 2 || !list->element()->isNumber() || !list->rest()->element()->isNumber())
      throw eLogoException(erExpectedXY, value);
    width = list->element()->asIntegerIn(1, kLargestSize);
    height = list->rest()->element()->asIntegerIn(1, kLargestSize);
  }
  owner->resizeSurface(width, height);
  // The size an object is made with decides where its origin starts.
  if (auto* control = dynamic_cast<tControlObject*>(&object); control && !control->created)
    ownSurface(object).setOrigin({width / 2, height / 2});
}

// A pane's place on its page: `aPos` in pixels of the page, `pos` in the
// page's coordinates; both name the pane's upper-left corner.
Value paneAPosOf(tmultiobject& object, int) {
  auto* pane = dynamic_cast<tlogopane*>(&object);
  if (!pane) throw eLogoException(erInitPane);
  return pointValue(asPointF(pane->position()));
}

Value panePosOf(tmultiobject& object, int code) {
  auto* pane = dynamic_cast<tlogopane*>(&object);
  if (!pane || !pane->page()) return paneAPosOf(object, code);
  return pointValue(pane->page()->surface()->toPage(asPointF(pane->position())));
}

void setPaneAPos(tmultiobject& object, int, const Value& value) {
  auto* pane = dynamic_cast<tlogopane*>(&object);
  if (!pane) throw eLogoException(erInitPane);
  pane->moveTo(pixelPointOf(value));
}

void setPanePos(tmultiobject& object, int code, const Value& value) {
  auto* pane = dynamic_cast<tlogopane*>(&object);
  if (!pane || !pane->page()) return setPaneAPos(object, code, value);
  pane->moveTo(roundedPixel(pane->page()->surface()->toPixel(pointOf(value))));
}

}  // namespace

void cleanDrawing(tmultiobject& owner) {
  ownSurface(owner).clean();
  raiseEvent(&owner, eventCode(EventId::onClean));
}

namespace {

// The colour in the object's variable of the `name` entry `key`, if it has
// one that reads as a colour.
std::optional<Rgb> colourVariable(tmultiobject& object, const char* key) {
  const std::string spellings = getStr("name", key, false);
  size_t start = 0;
  while (start < spellings.size()) {
    size_t end = spellings.find(' ', start);
    if (end == std::string::npos) end = spellings.size();
    const NameCode code = codeOf(spellings.substr(start, end - start));
    try {
      if (end > start && object.findVariableOrNull(code)) return colourOf(object.valueOfVariable(code));
    } catch (const eLogoException&) {
      return std::nullopt;
    }
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace

void takeBackgroundFromVariables(tmultiobject& pane) {
  tgrScreen& surface = ownSurface(pane);
  std::optional<Rgb> colour = colourVariable(pane, "bgcolour1");
  if (!colour || *colour == surface.backgroundColour()) colour = colourVariable(pane, "bgcolour2");
  if (!colour || *colour == surface.backgroundColour()) return;
  surface.setBackgroundColour(*colour);
  surface.clean();
}

void loadBackgroundPicture(tmultiobject& owner, const Value& picture) {
  PixelBuffer source = pictureBufferOf(picture);
  tgrScreen& surface = ownSurface(owner);
  if (source.width() != surface.width() || source.height() != surface.height())
    surfaceOwnerOf(owner)->resizeSurface(source.width(), source.height());
  {
    auto drawing = surface.lockDrawing();
    PixelBuffer& bitmap = surface.bitmap();
    bitmap.flush();
    bitmap.fill(kWhite);
    bitmap.copyFrom(source, source.bounds());
    bitmap.markDirty();
  }
  surface.invalidateAll();
}

namespace {

constexpr PropertyEntry kSurfaceProperties[] = {
    {prop::kSize, sizeOf, setSize},
    {prop::kWidth, sizeOf, setSize},
    {prop::kHeight, sizeOf, setSize},
    {prop::kBgColour, bgColourOf, setBgColour},
    {prop::kBgLineColour, lineColourOf, setLineColour},
    {prop::kBgLineWidth, lineWidthOf, setLineWidth},
    {prop::kBgLinePattern, linePatternOf, setLinePattern},
    {prop::kBgPicture, storedOrEmpty, setBgPicture},
    {prop::kOrigin, originOf, setOrigin},
};

constexpr PropertyEntry kPaneProperties[] = {
    {prop::kAPos, paneAPosOf, setPaneAPos},
    {prop::kPos, panePosOf, setPanePos},
};

constexpr PropertyEntry kPageProperties[] = {
    {prop::kVoiceMenu, storedOrEmpty, setVoiceMenu},
};

}  // namespace

void declareSurfaceProperties(tmultiobject& prototype) {
  declareProperties(prototype, kSurfaceProperties, DeclaredOn::Prototype);
}

void declarePaneProperties(tmultiobject& prototype) {
  declareProperties(prototype, kPaneProperties, DeclaredOn::Prototype);
}

void declarePageProperties(tmultiobject& prototype) {
  declareProperties(prototype, kPageProperties, DeclaredOn::Prototype);
}

}  // namespace lx
