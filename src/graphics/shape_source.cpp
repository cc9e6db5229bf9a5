// Shape inputs.
#include "graphics/shape_source.h"

#include "core/logo_exception.h"
#include "graphics/image_loader.h"
#include "graphics/logo_image.h"

namespace lx {

Value shownImageOf(const Value& shape) {
  if (asImage(shape)) return shape;
  if (shape->isList()) return nullptr;
  if (shape->isWord() && !shape->isNumber() && !shape->wordText().empty())
    return loadImageNamed(shape->wordText());
  throw eLogoException(erExpectImage, shape);
}

}  // namespace lx
