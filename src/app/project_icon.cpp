// Writing the project's icon chunk.
#include "app/project_icon.h"

#include <iostream>

#include "app/project_loader.h"
#include "graphics/bmp_codec.h"
#include "graphics/logo_image.h"
#include "lang/compressed_data.h"
#include "lang/container_writer.h"
#include "lang/dictionary.h"
#include "lang/project_file_writer.h"
#include "objects/multi_object.h"
#include "objects/object_world.h"

namespace lx {

Value mainWindowIcon() {
  tmultiobject* window = mainWindowObject();
  if (!window) return nullptr;
  const std::string spellings = getStr("name", "icon", false);
  size_t start = 0;
  while (start < spellings.size()) {
    size_t end = spellings.find(' ', start);
    if (end == std::string::npos) end = spellings.size();
    if (end > start)
      if (const tLogoVarDesc* variable =
              window->findVariableOrNull(codeOf(spellings.substr(start, end - start))))
        if (variable->value) return variable->value;
    start = end + 1;
  }
  return nullptr;
}

void appendProjectIcon(std::iostream& io) {
  const Value icon = mainWindowIcon();
  if (!icon) {
    if (const std::optional<RawChunk>& kept = loadedProjectIcon()) appendChunk(io, kept->tag, kept->data);
    return;
  }
  const tLogoImage* image = asImage(icon);
  const tLogoPicture* cell = image ? image->cell(0, 0) : nullptr;
  if (cell) appendIconChunk(io, writeBmp(*cell), kPackedProjectCompression);
}

}  // namespace lx
