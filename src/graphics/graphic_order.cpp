// Turtle names and drawing order of a surface.
#include "graphics/graphic_order.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "objects/multi_object.h"
#include "values/list.h"

namespace lx {
namespace {

bool isTurtle(const tSurfaceGraphic& graphic) {
  return graphic.graphicKind() == GraphicKind::Ordinary && graphic.graphicObject();
}

tSurfaceGraphic* turtleNamed(const std::vector<tSurfaceGraphic*>& graphics, const Value& name) {
  if (!name->isWord()) throw eLogoException(erExpectWord, name);
  const std::string text = name->wordText();
  for (tSurfaceGraphic* graphic : graphics)
    if (isTurtle(*graphic) && namesEqual(graphic->graphicObject()->name(), text)) return graphic;
  throw eLogoException(erTurtleUnknown, name);
}

// The wanted order of the ordinary turtles; `rest` marks where the turtles
// not named go (at the end when the list has no empty sub-list).
struct WantedOrder {
  std::vector<tSurfaceGraphic*> before;
  std::vector<tSurfaceGraphic*> after;
  bool restSeen = false;
};

void collect(const std::vector<tSurfaceGraphic*>& graphics, const tLogoList& names, WantedOrder& wanted,
             bool nested) {
  for (const Value& name : names) {
    if (const tLogoList* group = asList(*name)) {
      if (group->isEmpty() && !nested) {
        wanted.restSeen = true;
      } else {
        collect(graphics, *group, wanted, true);
      }
      continue;
    }
    tSurfaceGraphic* turtle = turtleNamed(graphics, name);
    auto& side = wanted.restSeen ? wanted.after : wanted.before;
    const bool named = std::find(wanted.before.begin(), wanted.before.end(), turtle) != wanted.before.end() ||
                       std::find(wanted.after.begin(), wanted.after.end(), turtle) != wanted.after.end();
    if (!named) side.push_back(turtle);
  }
}

}  // namespace

std::vector<tmultiobject*> turtleObjectsOf(const tgrScreen& surface) {
  std::vector<tmultiobject*> objects;
  for (tSurfaceGraphic* graphic : surface.graphics().snapshot())
    if (isTurtle(*graphic)) objects.push_back(graphic->graphicObject());
  return objects;
}

std::vector<tmultiobject*> turtleObjectsAt(const tgrScreen& surface, PixelPoint at) {
  auto drawing = surface.lockDrawing();
  std::vector<tmultiobject*> objects;
  for (tSurfaceGraphic* graphic : surface.graphics().snapshot()) {
    if (!isTurtle(*graphic) || !graphic->isShown()) continue;
    const PixelRect rect = graphic->graphicRect();
    if (rect.contains(at.x, at.y) && graphic->hitTest(at.x - rect.x, at.y - rect.y))
      objects.push_back(graphic->graphicObject());
  }
  return objects;
}

void reorderGraphics(tgrScreen& surface, const Value& order) {
  std::vector<tSurfaceGraphic*> graphics = surface.graphics().snapshot();
  WantedOrder wanted;
  if (const tLogoList* names = asList(*order)) {
    collect(graphics, *names, wanted, false);
  } else {
    wanted.after.push_back(turtleNamed(graphics, order));
    wanted.restSeen = true;
  }
  std::vector<tSurfaceGraphic*> turtles = wanted.before;
  for (tSurfaceGraphic* graphic : graphics) {
    if (!isTurtle(*graphic)) continue;
    const bool named =
        std::find(wanted.before.begin(), wanted.before.end(), graphic) != wanted.before.end() ||
        std::find(wanted.after.begin(), wanted.after.end(), graphic) != wanted.after.end();
    if (!named) turtles.push_back(graphic);
  }
  turtles.insert(turtles.end(), wanted.after.begin(), wanted.after.end());
  // The turtles take the places that turtles held, in their new order.
  auto next = turtles.begin();
  for (tSurfaceGraphic*& slot : graphics)
    if (isTurtle(*slot)) slot = *next++;
  if (surface.graphics().reorder(graphics)) surface.invalidateAll();
}

}  // namespace lx
