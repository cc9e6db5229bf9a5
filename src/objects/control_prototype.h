// The prototype classes of controls: the class objects from which
// turtles, buttons, text boxes and the other visible objects are made.
// tLogoControlPrototype declares what every control has — its position,
// size, hint, enabled and shown state and whether it is frozen, with the
// commands that go with them; tLogoFinalControlPrototype, the prototype of
// one concrete kind, adds the mouse position. Until a kind of control
// provides its own getters and setters, the values are kept in the object.
#pragma once

#include "objects/container_object.h"

namespace lx {

class tLogoControlPrototype : public tControlObject {
 public:
  tLogoControlPrototype();
  const char* className() const override { return "tLogoControlPrototype"; }
  void declareMembers() override;

  // The setters of `hint` (property 8) and `frozen` (property 178) that
  // each kind of control overrides; here they keep the value.
  virtual void setHint(tmultiobject& control, const Value& hint);
  virtual void setFrozen(tmultiobject& control, const Value& frozen);
};

class tLogoFinalControlPrototype : public tLogoControlPrototype {
 public:
  const char* className() const override { return "tLogoFinalControlPrototype"; }
  void declareMembers() override;
};

// The prototype an object was made from (along its first parents), or nullptr.
tLogoControlPrototype* prototypeOf(tmultiobject& object);

}  // namespace lx
