// Lends the graphics the application's ways of finding pictures: picture
// files through the package and the search folders of the image kind, and
// the image chunks of the project being loaded.
#pragma once

namespace lx {

void installPictureFiles();

}  // namespace lx
