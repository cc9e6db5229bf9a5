// Feeds arbitrary bytes to every picture decoder: the first byte picks the
// kind (BMP, bitmap without file header, icon, PNG, JPEG, GIF, the native
// image file, the older native file, an image record, a compressed image
// chunk), the rest is the
// file. Beyond not crashing, every failure must be the decoders' own
// failure or a Logo error, and what decodes must stay inside the limits
// and draw as a turtle shape.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/logo_exception.h"
#include "core/name_codes.h"
#include "graphics/bmp_codec.h"
#include "graphics/icon_reader.h"
#include "graphics/image_loader.h"
#include "graphics/image_record.h"
#include "graphics/library_codecs.h"
#include "graphics/logo_image.h"
#include "graphics/picture_bytes.h"
#include "graphics/turtle_shape.h"
#include "lang/chunk_tag.h"
#include "lang/container_stream.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "platform/message_box.h"
#include "values/pools.h"

namespace {

using namespace lx;

constexpr const char* kExtensions[] = {".BMP", ".ICO", ".PNG", ".JPG", ".GIF", ".LGF", ".LGW"};

Value decode(uint8_t kind, std::string_view bytes) {
  switch (kind % 10) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
      return decodePicture(bytes, kExtensions[kind % 10]);
    case 7:
      return imageOfPicture(sharePicture(readDib(bytes, 1 + kind / 10 % 2)));
    case 8:
      return readImageRecord(bytes);
    default:
      return readImageChunk({ChunkTag("IMZ1"), std::string(bytes)});
  }
}

// Draws the first cell as a shape, and writes the image back and reads it
// again: what one writer made, the reader must take.
void use(const Value& value) {
  const tLogoImage& image = *asImage(value);
  if (!framesAllowed(image.frames())) std::abort();
  TurtleShape shape;
  shape.image = value;
  shape.colour = 0xFF0000;
  cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 32, 32);
  cairo_t* cr = cairo_create(canvas);
  paintShape(cr, shape, shapeRectAt(shape, {16, 16}, 45), 45);
  cairo_destroy(cr);
  cairo_surface_destroy(canvas);
  // Writing is checked on small images: large ones only cost time.
  int64_t pixels = 0;
  for (const tLogoFrame& frame : image.frames())
    for (const PictureRef& cell : frame) pixels += int64_t{cell->width()} * cell->height();
  if (pixels <= (1 << 20)) {
    const Value again = readImageRecord(writeImageRecord(image));
    if (!again->equals(*value)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setMessageBoxEcho(false);
  selectLanguage("english");
  selectInterfaceLanguage("english");
  initValuePools();
  setLogoProcessThread(true);
  initNameCodes();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    use(decode(data[0], bytes));
  } catch (const BadPicture&) {
  } catch (const eLogoException&) {
  } catch (const eStreamReadError&) {
  }
  return 0;
}
