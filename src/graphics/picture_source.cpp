// Pictures from values.
#include "graphics/picture_source.h"

#include "core/logo_exception.h"
#include "platform/codepage.h"

namespace lx {

PixelBuffer pictureOf(const Value& value) {
  if (!value->isWord() || value->isNumber() || value->wordText().empty())
    throw eLogoException(erExpectImage, value);
  std::optional<PixelBuffer> picture = PixelBuffer::readPng(cp1250ToUtf8(value->wordText()));
  if (!picture) throw eLogoException(erImageFile, value);
  return std::move(*picture);
}

}  // namespace lx
