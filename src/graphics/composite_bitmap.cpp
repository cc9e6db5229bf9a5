// The shared composite picture.
#include "graphics/composite_bitmap.h"

#include <algorithm>
#include <memory>

#include "platform/platform.h"

namespace lx {

PixelBuffer& compositeBitmap(const PixelRect& rect) {
  if (PlatformBackend* backend = startedPlatform()) backend->uiThread().requireCurrent("compositeBitmap");
  static PixelBuffer composite(796, 499);
  const int width = std::max(composite.width(), rect.right());
  const int height = std::max(composite.height(), rect.bottom());
  if (width != composite.width() || height != composite.height()) composite.resize(width, height);
  return composite;
}

}  // namespace lx
