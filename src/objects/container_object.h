// The kinds of objects that visible things are made of: a control object
// (owns a visible control), a containing control (can hold child controls,
// as a pane does) and a container (holds named child objects: pages,
// windows, the main object). A container makes new objects and erases them.
#pragma once

#include "objects/multi_object.h"
#include "values/list.h"

namespace lx {

class tControlObject : public tmultiobject {
 public:
  tControlObject() { modelKind = ModelKind::ControlObject; }
  const char* className() const override { return "tControlObject"; }
  void afterCreate() override { created = true; }
  // A new name, which the container's table of named objects follows
  // (error 175 when another object of the container has it).
  void rename(const std::string& newName) override;

  NameCode delegateVariable = 0;  // names the object this one hands its hooks to
  bool created = false;
};

class tcontainingcontrol : public tControlObject {
 public:
  tcontainingcontrol() { modelKind = ModelKind::ContainingControl; }
  const char* className() const override { return "tcontainingcontrol"; }
};

class tcontainerobject : public tcontainingcontrol {
 public:
  tcontainerobject() { modelKind = ModelKind::Container; }
  const char* className() const override { return "tcontainerobject"; }
  tmultiobject* objectByName(NameCode code) const override;

  // Whether the container takes a new child of this name (error 139 when not).
  virtual bool acceptsName(const std::string&) const { return true; }

  // Enters `object` under its name (an object of that name is destroyed,
  // unless it is busy: error 113).
  void enterChild(tmultiobject& object);
  // Takes `object` out of the table (when it is there under its name).
  void removeChild(tmultiobject& object);
  tmultiobject* child(NameCode code) const;

  // Makes an instance of the class that `classAddress` names (the empty
  // list: the main object), placed here or where the init list says, named
  // by the init list or by the class's `namePrefix` and a number, and runs
  // its `onCreate` handlers.
  ObjectRef makeObject(const Value& classAddress, const Value& initList, CreateMode mode);
  // Makes an instance of `parents` (the first is its class) the same way;
  // an empty name is chosen as for `makeObject`.
  ObjectRef makeInstance(const tlogoobjectlist& parents, std::string name, const Value& initList,
                         CreateMode mode);

  std::unique_ptr<tLogoObjectsTab> children = std::make_unique<tLogoObjectsTab>();

 private:
  std::string nameForNewObject(tmultiobject& ofClass, const tLogoList* initList) const;
  tmultiobject* placeForNewObject(const tLogoList* initList) const;
};

// The object as a control object, or nullptr when it owns no control.
inline tControlObject* asControlObject(tmultiobject& object) {
  return object.isControlObject() ? static_cast<tControlObject*>(&object) : nullptr;
}

// The container that runs `new` for the current object: the nearest one on
// its place chain, or the main object.
tcontainerobject& containerOfCurrentObject();

// Erases the object that `code` names as seen from `from` (error 50 when
// none, 172 for a protected one, 113 when it is busy).
void eraseObjectNamed(tmultiobject& from, NameCode code);

}  // namespace lx
