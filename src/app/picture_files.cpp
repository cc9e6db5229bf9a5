// Picture files and project images for the graphics.
#include "app/picture_files.h"

#include <iterator>

#include "app/named_file.h"
#include "app/project_loader.h"
#include "graphics/image_loader.h"
#include "graphics/image_primitives.h"

namespace lx {
namespace {

// The whole file, raising the errors of a missing or unreadable one.
std::string readPictureFile(const std::string& name) {
  NamedFile file = openNamedFile(name, fkImage);
  return std::string(std::istreambuf_iterator<char>(*file.stream), std::istreambuf_iterator<char>());
}

}  // namespace

void installPictureFiles() {
  setPictureFileReader(readPictureFile);
  setProjectImageChunks(loadedProjectImages);
}

}  // namespace lx
