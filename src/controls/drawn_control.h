// tDrawnControl: the Logo object of a control that we draw on a page (text
// box, button, slider). It owns the control's graphic, made on first use
// from the surface of the page or pane it stands on and registered on that
// surface once the object is complete.
#pragma once

#include <memory>

#include "controls/control_graphic.h"
#include "core/error_codes.h"
#include "core/logo_exception.h"
#include "objects/container_object.h"

namespace lx {

class tDrawnControl : public tControlObject {
 public:
  const char* className() const override { return "tDrawnControl"; }
  void afterCreate() override;
  void beforeFree() override;

  // The graphic, made on first use (the kind's error when the object stands
  // on no page or pane).
  tControlGraphic& graphic();
  bool hasGraphic() const { return graphic_ != nullptr; }
  // While the object is being made its properties set its starting state:
  // no event is raised for them.
  bool beingMade() const { return !created; }

 protected:
  virtual std::unique_ptr<tControlGraphic> makeGraphic(tgrScreen& surface) = 0;
  virtual errorConst initError() const = 0;

 private:
  std::unique_ptr<tControlGraphic> graphic_;
};

// The graphic of kind G of `self` (the kind's error `error` when `self` is
// not such a control).
template <class G>
G& controlOf(tmultiobject& self, errorConst error) {
  auto* control = dynamic_cast<tDrawnControl*>(&self);
  if (!control || !control->isInstance()) throw eLogoException(error);
  auto* graphic = dynamic_cast<G*>(&control->graphic());
  if (!graphic) throw eLogoException(error);
  return *graphic;
}

// The properties every drawn control has — `aPos`, `pos`, `size`, `width`,
// `height`, `enabled`, `shown` — read and set on its graphic.
void declareDrawnControlProperties(tmultiobject& prototype);

}  // namespace lx
