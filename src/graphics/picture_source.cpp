// Pictures from values.
#include "graphics/picture_source.h"

#include <cairo.h>

#include "core/logo_exception.h"
#include "graphics/image_loader.h"
#include "graphics/logo_image.h"

namespace lx {

PictureRef pictureOf(const Value& value) {
  Value image = value;
  if (!asImage(value)) {
    if (!value->isWord() || value->isNumber() || value->wordText().empty())
      throw eLogoException(erExpectImage, value);
    image = loadImageNamed(value->wordText());
  }
  const tLogoImage& loaded = *asImage(image);
  if (loaded.frames().empty() || loaded.frames()[0].empty()) throw eLogoException(erExpectImage, value);
  return loaded.frames()[0][0];
}

PixelBuffer pictureBufferOf(const Value& value) {
  const PictureRef picture = pictureOf(value);
  PixelBuffer buffer(picture->width(), picture->height());
  cairo_t* cr = cairo_create(buffer.cairoSurface());
  cairo_set_source_surface(cr, picture->surface(), 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  return buffer;
}

}  // namespace lx
