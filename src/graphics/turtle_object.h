// tTurtle: the Logo object of class `Turtle`. It owns its graphic state,
// made when the turtle is placed on a page or pane and registered on that
// surface when the object is complete.
#pragma once

#include <memory>

#include "graphics/turtle_state.h"
#include "objects/container_object.h"

namespace lx {

class tTurtle : public tControlObject {
 public:
  const char* className() const override { return "tTurtle"; }
  void afterCreate() override;
  void beforeFree() override;

  // The graphic state, made on first use from the surface of the page or
  // pane the turtle stands on (error 91 when it stands on none).
  tLogoTurtleParams& state();
  bool hasState() const { return state_ != nullptr; }
  // While the object is being made, positions and headings set by its
  // properties place the turtle without drawing and become its home.
  bool beingMade() const { return !created; }
  bool homeGiven = false;   // `homeState` was set while it was made
  bool shownGiven = false;  // `shown` was set while it was made

 private:
  std::unique_ptr<tLogoTurtleParams> state_;
};

// The turtle the current Logo code works on: `self` when it is a turtle
// (error 78 otherwise).
tLogoTurtleParams& turtleOf(tmultiobject& self);
tTurtle& turtleObjectOf(tmultiobject& self);

}  // namespace lx
