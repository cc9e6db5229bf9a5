// The world every object test runs in: the English dictionaries, a new main
// object with the object primitives, and a Logo session whose global
// procedures are the main object's.
#pragma once

#include <gtest/gtest.h>

#include "interp/procedure_resolver.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "support/logo_session.h"

namespace lx::testing {

// Starts the object model before the session (which registers `print`,
// `output`, `stop` and the operators into the main object's table) and
// stops it after the session has let go of its objects.
struct StartedObjectModel {
  StartedObjectModel() {
    prepareLogoWorld();
    startObjectModel(registerObjectPrimitives);
  }
  ~StartedObjectModel() { stopObjectModel(); }
};

class ObjectTest : public ::testing::Test {
 protected:
  // The object a name names from the main object, or nullptr.
  tmultiobject* object(const std::string& name) { return mainObject()->child(codeOf(name)); }
  std::vector<std::string> take() { return logo.takePrinted(); }

  StartedObjectModel world;
  LogoSession logo;
};

}  // namespace lx::testing
