// The global primitives of images and colours: `loadimage`, `loadbitmap`,
// `loadimagelist`, `.loadimage`, `image`, `emptyimage`, `toframes`,
// `toanimfilm` and `torgb`.
#pragma once

#include <vector>

#include "interp/logo_tab.h"
#include "lang/container_reader.h"

namespace lx {

void registerImagePrimitives(tLogoTab& table);

// The image chunks of the project being loaded, in chunk order; the
// application lends them, as it reads the project.
using ProjectImageChunks = const std::vector<RawChunk>& (*)();
void setProjectImageChunks(ProjectImageChunks chunks);

}  // namespace lx
