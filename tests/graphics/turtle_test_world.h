// The world turtle tests run in: the headless platform started on the
// test's thread (so protected work runs here), the object model with the
// graphics classes, a page `page1` with a turtle `t1` on it, and a Logo
// session to run Logo text as either of them.
#pragma once

#include <gtest/gtest.h>

#include "graphics/graphics_classes.h"
#include "graphics/logo_page.h"
#include "graphics/turtle_object.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "platform/platform.h"
#include "support/logo_session.h"

namespace lx::testing {

struct TurtleWorld {
  TurtleWorld() {
    prepareLogoWorld();
    if (!startedPlatform()) startPlatform(BackendRequest::Headless);
    registerGraphicsClasses(startObjectModel(registerObjectPrimitives));
  }
  ~TurtleWorld() { stopObjectModel(); }
};

class TurtleTest : public ::testing::Test {
 protected:
  TurtleTest() {
    logo.run("new \"Page []");
    logo.run("ask \"page1 [new \"Turtle []]");
  }

  tmultiobject* object(const std::string& name) {
    for (tmultiobject* at : {static_cast<tmultiobject*>(mainObject()), mainObject()->child(codeOf("page1"))})
      if (at)
        if (tmultiobject* found = at->objectByName(codeOf(name))) return found;
    return nullptr;
  }
  tLogoTurtleParams& turtle(const std::string& name = "t1") { return turtleOf(*object(name)); }
  tgrScreen& page() { return *surfaceOf(*object("page1")); }
  std::vector<std::string> take() { return logo.takePrinted(); }
  // Runs `text` as the object `as` of page1 (or page1 itself).
  void run(const std::string& text, const std::string& as = "t1") { logo.run(asked(text, as)); }
  errorConst errorOf(const std::string& text, const std::string& as = "t1") {
    return logo.errorOf(asked(text, as));
  }
  static std::string asked(const std::string& text, const std::string& as) {
    const std::string inner = "[" + text + "]";
    return "ask \"page1 " + (as == "page1" ? inner : "[ask \"" + as + " " + inner + "]");
  }
  std::vector<std::string> printed(const std::string& text) {
    run(text);
    return take();
  }
  Rgb pixel(int x, int y) { return page().pixelAt(x, y); }
  // Paints what is invalid and answers the page as shown.
  const PixelBuffer& shown() {
    page().window().paintNow();
    return page().window().pixels();
  }

  TurtleWorld world;
  LogoSession logo;
};

using Lines = std::vector<std::string>;

}  // namespace lx::testing
