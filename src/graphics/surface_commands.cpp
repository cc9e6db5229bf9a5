// Routines of the page and pane commands.
#include "graphics/surface_commands.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "graphics/graphic_order.h"
#include "graphics/logo_page.h"
#include "graphics/rect_list.h"
#include "graphics/surface_properties.h"
#include "graphics/undo_bitmap.h"
#include "objects/object_accessors.h"
#include "platform/platform.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value clearScreen(tmultiobject& self, tLogoStack&, int) {
  tmultiobject& owner = surfaceObjectOf(self);
  tgrScreen& surface = *surfaceOf(owner);
  for (tSurfaceGraphic* graphic : surface.graphics().snapshot()) graphic->goHome();
  cleanDrawing(owner);
  return nullptr;
}

Value cleanBgPicture(tmultiobject& self, tLogoStack&, int) {
  cleanDrawing(surfaceObjectOf(self));
  return nullptr;
}

Value dotColourAt(tmultiobject& self, tLogoStack& stack, int) {
  const tgrScreen& surface = drawingSurfaceOf(self);
  const PixelPoint at = roundedPixel(surface.toPixel(pointOf(stack.take())));
  return colourValue(surface.pixelAt(at.x, at.y));
}

Value upperLeft(tmultiobject& self, tLogoStack&, int) {
  return pointValue(drawingSurfaceOf(self).upperLeft());
}

// The same point in page coordinates (y up, from the origin) and in pixel
// coordinates of the drawing (y down, from its upper-left pixel).
Value toCartesian(tmultiobject& self, tLogoStack& stack, int) {
  return pointValue(drawingSurfaceOf(self).toPage(pointOf(stack.take())));
}

Value toAbsolute(tmultiobject& self, tLogoStack& stack, int) {
  return pointValue(drawingSurfaceOf(self).toPixel(pointOf(stack.take())));
}

Value saveForUndo(tmultiobject& self, tLogoStack&, int) {
  undoBitmap().saveforundo(drawingSurfaceOf(self));
  return nullptr;
}

Value undoDrawing(tmultiobject&, tLogoStack&, int) {
  undoBitmap().doUndo();
  return nullptr;
}

// The system writes no files and does not print.
Value saveBgPicture(tmultiobject&, tLogoStack& stack, int) {
  throw eLogoException(erNoSave, stack.take());
}

Value printMe(tmultiobject&, tLogoStack&, int) {
  throw eLogoException(erNoPrint);
}

Value loadBgPicture(tmultiobject& self, tLogoStack& stack, int) {
  loadBackgroundPicture(surfaceObjectOf(self), stack.take());
  return nullptr;
}

Value namesOf(const std::vector<tmultiobject*>& objects) {
  ListBuilder names;
  for (tmultiobject* object : objects) names.add(makeWord(object->name()));
  return names.finish();
}

Value allTurtles(tmultiobject& self, tLogoStack&, int) {
  return namesOf(turtleObjectsOf(drawingSurfaceOf(self)));
}

// Whether `object` was made from `ofClass` or from one of its heirs, along
// parents only (an object's place is not its class).
bool madeFrom(const tmultiobject& object, const tmultiobject& ofClass) {
  for (const ObjectRef& parent : object.parents())
    if (parent.get() == &ofClass || madeFrom(*parent, ofClass)) return true;
  return false;
}

// Objects of a class (or its heirs) that this page holds.
Value allOfPage(tmultiobject& self, tLogoStack& stack, int) {
  const Value classAddress = stack.take();
  tmultiobject& owner = surfaceObjectOf(self);
  const ObjectRef ofClass = asObject(classAddress) ? ObjectRef(asObject(classAddress))
                                                   : owner.resolveObjectName(classAddress->nameCode());
  if (!ofClass) throw eLogoException(erNoObject, classAddress);
  std::vector<tmultiobject*> found;
  if (tcontainerobject* container = owner.asContainer()) {
    container->children->forEach([&](tTabDesc& desc) {
      tmultiobject* child = asObject(static_cast<tLogoVarDesc&>(desc).value);
      if (child && madeFrom(*child, *ofClass)) found.push_back(child);
    });
  }
  return namesOf(found);
}

Value reorderTurtles(tmultiobject& self, tLogoStack& stack, int) {
  reorderGraphics(drawingSurfaceOf(self), stack.take());
  return nullptr;
}

Value overlappedPos(tmultiobject& self, tLogoStack& stack, int) {
  const tgrScreen& surface = drawingSurfaceOf(self);
  const PixelPoint at = roundedPixel(surface.toPixel(pointOf(stack.take())));
  return namesOf(turtleObjectsAt(surface, at));
}

// Ctrl 1 + Shift 2, as `mousestate` reports the keys.
int keysOf(Modifiers modifiers) {
  return ((modifiers & kCtrl) ? 1 : 0) + ((modifiers & kShift) ? 2 : 0);
}

Value mousePagePosition(const tgrScreen& surface, const MouseState& mouse) {
  return pointValue(surface.toPage({static_cast<long double>(mouse.x), static_cast<long double>(mouse.y)}));
}

Value mouseState(tmultiobject& self, tLogoStack&, int) {
  const tgrScreen& surface = drawingSurfaceOf(self);
  const MouseState mouse = surface.window().mouseState();
  ListBuilder state;
  state.add(makeInt(mouse.buttons));
  state.add(makeInt(keysOf(mouse.modifiers)));
  state.add(mousePagePosition(surface, mouse));
  return state.finish();
}

Value mousePos(tmultiobject& self, tLogoStack&, int) {
  const tgrScreen& surface = drawingSurfaceOf(self);
  return mousePagePosition(surface, surface.window().mouseState());
}

// Protected: moving the pointer is the interface thread's.
Value setMousePos(tmultiobject& self, tLogoStack& stack, int) {
  tgrScreen& surface = drawingSurfaceOf(self);
  const PixelPoint at = roundedPixel(surface.toPixel(pointOf(stack.take())));
  surface.window().setMousePosition(at.x, at.y);
  return nullptr;
}

template <bool front>
Value paneOrder(tmultiobject& self, tLogoStack&, int) {
  auto* pane = dynamic_cast<tlogopane*>(&self);
  if (!pane) throw eLogoException(erInitPane);
  if (tlogopage* page = pane->page()) {
    if (front) {
      page->paneToFront(*pane);
    } else {
      page->paneToBack(*pane);
    }
  }
  return nullptr;
}

}  // namespace

void declarePaneCommands(tmultiobject& prototype) {
  declareCommand(prototype, "tofront", 0, paneOrder<true>);
  declareCommand(prototype, "toback", 0, paneOrder<false>);
}

void declareSurfaceCommands(tmultiobject& prototype) {
  declareCommand(prototype, "clearscreen", 0, clearScreen);
  declareCommand(prototype, "cleanbgpicture", 0, cleanBgPicture);
  declareCommand(prototype, "dotcolourat", 1, dotColourAt);
  declareCommand(prototype, "upperleft", 0, upperLeft);
  declareCommand(prototype, "tocartesian", 1, toCartesian);
  declareCommand(prototype, "toabsolute", 1, toAbsolute);
  declareCommand<tProtectedObjProcDesc>(prototype, "saveforundo", 0, saveForUndo);
  declareCommand(prototype, "savebgpicture", 1, saveBgPicture);
  declareCommand<tProtectedObjProcDesc>(prototype, "loadbgpicture", 1, loadBgPicture);
  declareCommand(prototype, "allturtles", 0, allTurtles);
  declareCommand(prototype, "allof_page", 1, allOfPage);
  declareCommand(prototype, "reorder", 1, reorderTurtles);
  declareCommand(prototype, "overlappedpos", 1, overlappedPos);
  declareCommand(prototype, "mousestate", 0, mouseState);
  declareCommand(prototype, "mousepos", 0, mousePos);
  declareCommand<tProtectedObjProcDesc>(prototype, "setmousepos", 1, setMousePos);
  // The window forwards its `.setmousepos` to the page shown.
  declareCommand<tProtectedObjProcDesc>(prototype, ".setmousepos", 1, setMousePos);
}

void declarePageCommands(tmultiobject& prototype) {
  declareCommand(prototype, "printme", 0, printMe);
  declareCommand(prototype, "undodrawing", 0, undoDrawing);
}

}  // namespace lx
