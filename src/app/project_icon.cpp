// Writing the project's icon chunk.
#include "app/project_icon.h"

#include <iostream>

#include "app/project_loader.h"
#include "graphics/bmp_codec.h"
#include "graphics/logo_image.h"
#include "graphics/main_window.h"
#include "graphics/picture_bytes.h"
#include "graphics/window_object.h"
#include "lang/compressed_data.h"
#include "lang/container_lookup.h"
#include "lang/container_stream.h"
#include "lang/container_writer.h"
#include "lang/dictionary.h"
#include "lang/project_file_writer.h"
#include "objects/multi_object.h"
#include "objects/object_world.h"
#include "platform/platform.h"

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

namespace {

// The icon's picture: the variable's image, else the kept chunk's bitmap.
std::unique_ptr<tLogoPicture> projectIconPicture() {
  if (const Value icon = mainWindowIcon()) {
    const tLogoImage* image = asImage(icon);
    const tLogoPicture* cell = image ? image->cell(0, 0) : nullptr;
    return cell ? std::make_unique<tLogoPicture>(*cell) : nullptr;
  }
  const std::optional<RawChunk>& kept = loadedProjectIcon();
  if (!kept) return nullptr;
  try {
    return readBmp(chunkPayload(*kept));
  } catch (const BadPicture&) {
  } catch (const eStreamReadError&) {
  }
  return nullptr;
}

}  // namespace

void showProjectIcon() {
  tSplitwindow* window = mainWindow();
  PlatformBackend* backend = startedPlatform();
  const std::unique_ptr<tLogoPicture> picture = projectIconPicture();
  if (!window || !window->params.window || !backend || !picture) return;
  PixelBuffer pixels(picture->width(), picture->height());
  for (int y = 0; y < picture->height(); ++y)
    for (int x = 0; x < picture->width(); ++x) pixels.setPixel(x, y, picture->pixel(x, y));
  const std::shared_ptr<PlatformWindow> shown = window->params.window;
  backend->uiThread().runOnUiThread([&] { shown->setIcon(std::move(pixels)); });
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
