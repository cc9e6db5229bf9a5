// Making, registering and freeing a turtle's graphic state.
#include "graphics/turtle_object.h"

#include <typeinfo>

#include "core/logo_exception.h"
#include "graphics/logo_page.h"

namespace lx {

tLogoTurtleParams& tTurtle::state() {
  if (state_) return *state_;
  tgrScreen* surface = nullptr;
  for (tmultiobject* at = place(); at && !surface; at = at->place()) surface = surfaceOf(*at);
  if (!surface) throw eLogoException(erInvalidPlace);
  state_ = std::make_unique<tLogoTurtleParams>(*surface, this);
  return *state_;
}

void tTurtle::afterCreate() {
  tLogoTurtleParams& turtle = state();
  if (!shownGiven) turtle.setShown(shownAtCreation());
  if (!homeGiven) {
    turtle.homePosition = turtle.position();
    turtle.homeHeading = turtle.heading();
  }
  turtle.applyBoundary();
  turtle.registerOnSurface();
  tControlObject::afterCreate();
}

void tTurtle::beforeFree() {
  state_.reset();
  tControlObject::beforeFree();
}

tTurtle& turtleObjectOf(tmultiobject& self) {
  // Every turtle primitive and property asks: the exact class, the common
  // case, is one comparison; only other classes pay for the cast.
  auto* turtle = typeid(self) == typeid(tTurtle) ? static_cast<tTurtle*>(&self) : dynamic_cast<tTurtle*>(&self);
  if (!turtle || !turtle->isInstance()) throw eLogoException(erInitTurtle);
  return *turtle;
}

tLogoTurtleParams& turtleOf(tmultiobject& self) {
  return turtleObjectOf(self).state();
}

}  // namespace lx
