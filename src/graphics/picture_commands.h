// Commands that turn drawings into images and images into drawings: the
// turtle's `stamppicture`, `shapeimage` and `getimage`, and the page's
// `takepicture`.
#pragma once

#include "objects/multi_object.h"

namespace lx {

void declareTurtlePictureCommands(tmultiobject& prototype);
void declarePagePictureCommands(tmultiobject& prototype);

}  // namespace lx
