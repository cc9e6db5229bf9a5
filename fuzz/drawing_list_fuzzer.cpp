// Feeds arbitrary text to the drawing-list compiler as a Logo list, then
// places what compiles at a heading and scale taken from the first bytes and
// renders it into a small canvas and, when small, into a picture. Beyond not
// crashing, every failure must be a Logo error, and no list may take long:
// the compiler's work limit bounds every input.
#include <cairo.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "graphics/drawing_list.h"
#include "graphics/drawing_picture.h"
#include "graphics/drawing_renderer.h"
#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "core/name_codes.h"
#include "objects/property_table.h"
#include "platform/message_box.h"
#include "values/cell_pool.h"
#include "values/pools.h"
#include "values/reader.h"

namespace {

using namespace lx;

constexpr int kCanvasSide = 64;

void render(const tDrawingList& drawing, const DrawTransform& how) {
  const TransformedDrawing placed = drawing.placedCopy(how);
  cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCanvasSide, kCanvasSide);
  cairo_t* cr = cairo_create(canvas);
  const PixelRect whole{0, 0, kCanvasSide, kCanvasSide};
  const PixelRect changed = renderDrawing(cr, placed, drawing.start(), whole);
  // The canvas must still work: a cairo error would silence all later drawing.
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) std::abort();
  cairo_destroy(cr);
  cairo_surface_destroy(canvas);
  if (!changed.isEmpty() && !(intersect(changed, whole) == changed)) std::abort();
  if (placed.bounds.width <= 256 && placed.bounds.height <= 256)
    drawingPicture(drawing, how.heading, how.scaleX, how.scaleY);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setMessageBoxEcho(false);
  selectLanguage("english");
  selectInterfaceLanguage("english");
  initValuePools();
  initCellPool();
  setLogoProcessThread(true);
  initNameCodes();
  fillPropertyTable();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // Heading in steps of 15 degrees, scale from 1/4 to 4 (and negative).
  const long double heading = (data[0] % 24) * 15.0L;
  const long double scale = (data[1] & 0x80 ? -1 : 1) * std::ldexp(1.0L, (data[1] & 7) - 2);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  try {
    LenientReading lenient;
    const Value list = readList(text);
    tDrawingList drawing;
    drawing.compile(list, {});
    render(drawing, {{kCanvasSide / 2, kCanvasSide / 2}, scale, (data[1] & 0x40) ? scale : 1, heading});
  } catch (const eLogoException&) {
  }
  return 0;
}
