// The world page tests run in: the headless platform started on the test's
// thread (which becomes the user-interface thread, so protected work and
// interactive drawings run here), the object model with the graphics
// classes, and a Logo session whose global procedures are the main object's.
#pragma once

#include <gtest/gtest.h>

#include "graphics/graphics_classes.h"
#include "graphics/logo_page.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "platform/platform.h"
#include "support/logo_session.h"

namespace lx::testing {

struct StartedGraphicsWorld {
  StartedGraphicsWorld() {
    prepareLogoWorld();
    if (!startedPlatform()) startPlatform(BackendRequest::Headless);
    registerGraphicsClasses(startObjectModel(registerObjectPrimitives));
  }
  ~StartedGraphicsWorld() { stopObjectModel(); }
};

class PageTest : public ::testing::Test {
 protected:
  tmultiobject* object(const std::string& name) { return mainObject()->child(codeOf(name)); }
  std::vector<std::string> take() { return logo.takePrinted(); }
  // Runs `text` as the object called `name`.
  void runAs(const std::string& name, const std::string& text) {
    logo.run("ask \"" + name + " [" + text + "]");
  }
  errorConst errorAs(const std::string& name, const std::string& text) {
    return logo.errorOf("ask \"" + name + " [" + text + "]");
  }
  tgrScreen& surfaceNamed(const std::string& name) { return *surfaceOf(*object(name)); }
  // Paints what is invalid and answers the page's picture as shown.
  const PixelBuffer& shown(const std::string& name) {
    tgrScreen& surface = surfaceNamed(name);
    surface.window().paintNow();
    return surface.window().pixels();
  }

  StartedGraphicsWorld world;
  LogoSession logo;
};

}  // namespace lx::testing
