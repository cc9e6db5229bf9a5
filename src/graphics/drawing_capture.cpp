// Cutting pictures from the drawing in the modes of `imode`.
#include "graphics/drawing_capture.h"

#include "core/logo_exception.h"
#include "graphics/global_setting.h"
#include "graphics/logo_image.h"
#include "platform/platform.h"

namespace lx {
namespace {

bool showsGraphics(CaptureMode mode) {
  return mode == CaptureMode::Shown || mode == CaptureMode::ShownMasked;
}

bool masksBackground(CaptureMode mode) {
  return mode == CaptureMode::DrawingMasked || mode == CaptureMode::ShownMasked;
}

// The page as it shows in `inside`: composition paints turtles and
// controls, which the user-interface thread does, so it is handed there.
std::unique_ptr<tLogoPicture> shownPicture(tgrScreen& surface, const PixelRect& inside) {
  PixelBuffer shown(inside.x + inside.width, inside.y + inside.height);
  auto compose = [&] { surface.compose(shown, inside); };
  if (PlatformBackend* backend = startedPlatform())
    backend->uiThread().runOnUiThread(compose);
  else
    compose();
  return pictureFromBuffer(shown, inside);
}

void maskColour(tLogoPicture& picture, Rgb colour) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) == colour) picture.setMasked(x, y, true);
}

}  // namespace

CaptureMode captureMode() {
  const Value mode = globalSetting("imode");
  if (!mode || !mode->isNumber()) return CaptureMode::Drawing;
  const long double n = mode->asReal();
  if (n == 1) return CaptureMode::Shown;
  if (n == 2) return CaptureMode::DrawingMasked;
  if (n == 3) return CaptureMode::ShownMasked;
  return CaptureMode::Drawing;
}

Value captureImage(tgrScreen& surface, const PixelRect& rect, PixelPoint hotSpot, const Value& asked,
                   CaptureMode mode) {
  PixelRect inside;
  Rgb background;
  std::unique_ptr<tLogoPicture> picture;
  {
    auto drawing = surface.lockDrawing();
    inside = intersect(rect, surface.bitmap().bounds());
    if (inside.isEmpty() || !pictureSizeAllowed(inside.width, inside.height))
      throw eLogoException(erBadStructure, asked);
    background = surface.backgroundColour();
    if (!showsGraphics(mode)) picture = pictureFromBuffer(surface.bitmap(), inside);
  }
  if (showsGraphics(mode)) picture = shownPicture(surface, inside);
  if (masksBackground(mode)) maskColour(*picture, background);
  picture->hotSpot = hotSpot;
  return imageOfPicture(sharePicture(std::move(picture)));
}

}  // namespace lx
