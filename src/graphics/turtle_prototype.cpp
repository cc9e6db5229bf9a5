// The turtle class.
#include "graphics/turtle_prototype.h"

#include "graphics/picture_commands.h"
#include "graphics/turtle_commands.h"
#include "graphics/turtle_glide.h"
#include "graphics/turtle_object.h"
#include "graphics/turtle_properties.h"

namespace lx {

tTurtlePrototype::tTurtlePrototype() {
  setInstanceFactory([] { return ObjectRef(new tTurtle); });
}

void tTurtlePrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareTurtleProperties(*this);
  declareTurtleMotionCommands(*this);
  declareTurtleDrawingCommands(*this);
  declareTurtlePictureCommands(*this);
  declareTurtleDrawingListCommands(*this);
  declareTurtleQueryCommands(*this);
  declareTurtleGlide(*this);
}

}  // namespace lx
