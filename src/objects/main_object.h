// tMainLogoObject: the main object, root of the parent graph. Its procedure
// table holds the global primitives and procedures, its variables are the
// global variables, its named objects are the classes and the objects made
// at the top; it also keeps the property lists.
#pragma once

#include <functional>

#include "objects/container_object.h"
#include "objects/property_lists.h"

namespace lx {

class tMainLogoObject : public tcontainerobject {
 public:
  const char* className() const override { return "tMainLogoObject"; }
  tLogoGlobalVarTab& globals() { return static_cast<tLogoGlobalVarTab&>(variables()); }

  tlogotable propertyLists;

 protected:
  std::unique_ptr<tLogoVarTab> makeVariableTable() override;
};

// The main object of the running world; nullptr before the object model starts.
tMainLogoObject* mainObject();

}  // namespace lx
