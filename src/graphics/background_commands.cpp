// Routines of the bg commands.
#include "graphics/background_commands.h"

#include "graphics/background_shapes.h"
#include "graphics/logo_page.h"
#include "graphics/picture_placement.h"
#include "graphics/rect_list.h"
#include "core/logo_exception.h"
#include "interp/thread_state.h"
#include "interp/yield_point.h"
#include "objects/object_accessors.h"
#include "platform/user_presence.h"
#include "values/list.h"

namespace lx {
namespace {

Value bgLine(tmultiobject& self, tLogoStack& stack, int) {
  if (const auto line = lineOf(stack.take())) drawLine(drawingSurfaceOf(self), line->first, line->second);
  return nullptr;
}

Value bgDots(tmultiobject& self, tLogoStack& stack, int) {
  const std::vector<Value> inputs = stack.takeInputs(3);
  const PixelPoint centre = pixelPointOf(inputs[0]);
  const int count = inputs[1]->asIntegerIn(0, 1 << 24);
  const int radius = inputs[2]->asIntegerIn(-(1 << 14), 1 << 14);
  drawDots(drawingSurfaceOf(self), centre, count, radius);
  return nullptr;
}

template <Filling filling>
Value bgRectangle(tmultiobject& self, tLogoStack& stack, int) {
  if (const auto rect = rectOf(stack.take())) drawRectangle(drawingSurfaceOf(self), *rect, filling);
  return nullptr;
}

template <Filling filling>
Value bgEllipse(tmultiobject& self, tLogoStack& stack, int) {
  if (const auto rect = rectOf(stack.take())) drawEllipse(drawingSurfaceOf(self), *rect, filling);
  return nullptr;
}

Value bgEllipseArc(tmultiobject& self, tLogoStack& stack, int) {
  const std::vector<Value> inputs = stack.takeInputs(2);
  const auto rect = rectOf(inputs[0]);
  const auto ends = lineOf(inputs[1]);
  if (rect && ends) drawArc(drawingSurfaceOf(self), *rect, ends->first, ends->second);
  return nullptr;
}

Value bgFill(tmultiobject& self, tLogoStack& stack, int) {
  fillArea(drawingSurfaceOf(self), pixelPointOf(stack.take()));
  return nullptr;
}

// The interactive drawings: the process waits for the user, and a stop
// request ends the wait at the next check.
std::optional<DragResult> interactive(tmultiobject& self, MouseMode mode) {
  // Nobody can drag in this run: the drawing ends at once, as if cancelled.
  if (userAbsent()) return std::nullopt;
  SurfaceMouse* mouse = surfaceOwnerOf(surfaceObjectOf(self))->surfaceMouse();
  ThreadState* state = hasThreadState() ? &threadState() : nullptr;
  return mouse->runDrawing(mode, [state] {
    if (state) yieldPoint(*state);
  });
}

template <MouseMode mode>
Value bgFreeDrawing(tmultiobject& self, tLogoStack&, int) {
  interactive(self, mode);
  return nullptr;
}

enum class DragForm { Corners, Rectangle };

template <MouseMode mode, DragForm form>
Value bgFlexible(tmultiobject& self, tLogoStack&, int) {
  const std::optional<DragResult> drag = interactive(self, mode);
  if (!drag || drag->empty()) return tLogoList::empty();
  if (form == DragForm::Corners) return cornersValue(drag->start, drag->end);
  return rectValue({std::min(drag->start.x, drag->end.x), std::min(drag->start.y, drag->end.y),
                    std::abs(drag->end.x - drag->start.x), std::abs(drag->end.y - drag->start.y)});
}

Value putPicture(tmultiobject& self, tLogoStack& stack, int) {
  const std::vector<Value> inputs = stack.takeInputs(2);
  putPictureOn(drawingSurfaceOf(self), inputs[0], inputs[1]);
  return nullptr;
}

}  // namespace

void declareBackgroundCommands(tmultiobject& prototype) {
  declareCommand(prototype, "bgline", 1, bgLine);
  declareCommand(prototype, "bgdots", 3, bgDots);
  declareCommand(prototype, "bgfilledrectangle", 1, bgRectangle<Filling::Filled>);
  declareCommand(prototype, "bgrectangle", 1, bgRectangle<Filling::Outline>);
  declareCommand(prototype, "bgfilledellipse", 1, bgEllipse<Filling::Filled>);
  declareCommand(prototype, "bgellipse", 1, bgEllipse<Filling::Outline>);
  declareCommand(prototype, "bgellipsearc", 2, bgEllipseArc);
  declareCommand(prototype, "bgfill", 1, bgFill);
  declareCommand(prototype, "bgfreehand", 0, bgFreeDrawing<MouseMode::Freehand>);
  declareCommand(prototype, "bgspray", 0, bgFreeDrawing<MouseMode::Spray>);
  declareCommand(prototype, "bgflexibleline", 0, bgFlexible<MouseMode::Line, DragForm::Corners>);
  declareCommand(prototype, "bgflexiblefilledrectangle", 0,
                 bgFlexible<MouseMode::FilledRectangle, DragForm::Rectangle>);
  declareCommand(prototype, "bgflexiblefilledellipse", 0,
                 bgFlexible<MouseMode::FilledEllipse, DragForm::Corners>);
  declareCommand(prototype, "bgflexiblerectangle", 0, bgFlexible<MouseMode::Rectangle, DragForm::Rectangle>);
  declareCommand(prototype, "bgflexibleellipse", 0, bgFlexible<MouseMode::Ellipse, DragForm::Corners>);
  declareCommand(prototype, "putpicture", 2, putPicture);
}

}  // namespace lx
