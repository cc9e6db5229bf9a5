// Starting and ending the object model: the codes and the property table,
// the main object with the global primitives, and the hooks by which the
// interpreter finds procedures, objects and owners through it. Also the
// few world-wide objects other parts set (the main window, the active tool
// button).
#pragma once

#include <functional>

#include "objects/main_object.h"

namespace lx {

// Fills the main object's procedure table with the global primitives.
using PrimitiveRegistration = std::function<void(tLogoTab& mainProcedures)>;

// Interns the codes, fills the property table, makes the main object (its
// global variables, then the primitives of `registerPrimitives`, then the
// variables `namePrefix` and `fileName`), makes its tables the global ones
// and installs the object-aware resolver and the owner names of errors.
// Any world that was running is stopped first.
tMainLogoObject& startObjectModel(const PrimitiveRegistration& registerPrimitives);
// Destroys every object without running Logo code, and gives the
// interpreter its own tables and resolver back.
void stopObjectModel();
// Logo handlers (`destroy`, behaviours removed) run only while this is true;
// it is false while the world is taken down.
bool interpreterRunning();

// Names that no object's own ancestors know are looked up last in the page
// context: the main window and the objects on the page it shows, so that
// code running as the main object reaches them. The graphics classes
// install the lookup; without one nothing is found.
using PageContextLookup = tmultiobject* (*)(NameCode code);
void setPageContextLookup(PageContextLookup lookup);
tmultiobject* lookupInPageContext(NameCode code);

tmultiobject* mainWindowObject();
void setMainWindowObject(tmultiobject* window);
tmultiobject* activeToolButton();
void setActiveToolButton(tmultiobject* button);

}  // namespace lx
