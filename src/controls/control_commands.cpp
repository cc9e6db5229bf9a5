// Drawing-order and moving commands of drawn controls.
#include "controls/control_commands.h"

#include "controls/drawn_control.h"
#include "core/logo_exception.h"
#include "objects/object_accessors.h"

namespace lx {
namespace {

template <bool Front>
Value reorder(tmultiobject& self, tLogoStack&, int) {
  auto* control = dynamic_cast<tDrawnControl*>(&self);
  if (!control || !control->isInstance()) throw eLogoException(erInvalidPlace);
  tControlGraphic& graphic = control->graphic();
  if (tgrScreen* surface = graphic.surface()) {
    if (Front) {
      surface->toFront(graphic);
    } else {
      surface->toBack(graphic);
    }
    graphic.repaint();
  }
  return nullptr;
}

// The user moves the control with the mouse from here (protected: the
// control belongs to the user-interface thread).
Value startMove(tmultiobject& self, tLogoStack&, int) {
  auto* control = dynamic_cast<tDrawnControl*>(&self);
  if (!control || !control->isInstance()) throw eLogoException(erInvalidPlace);
  control->graphic().startMove();
  return nullptr;
}

}  // namespace

void declareOrderCommands(tmultiobject& prototype) {
  declareCommand<tProtectedObjProcDesc>(prototype, "startMove", 0, startMove);
  declareCommand<tProtectedObjProcDesc>(prototype, "tofront", 0, reorder<true>);
  declareCommand<tProtectedObjProcDesc>(prototype, "toback", 0, reorder<false>);
}

}  // namespace lx
