// Loading images by name and decoding picture files by kind.
#include "graphics/image_loader.h"

#include <cairo.h>

#include <fstream>
#include <sstream>

#include "core/logo_exception.h"
#include "graphics/bmp_codec.h"
#include "graphics/icon_reader.h"
#include "graphics/image_record.h"
#include "graphics/lgw_reader.h"
#include "graphics/library_codecs.h"
#include "graphics/logo_image.h"
#include "graphics/picture_bytes.h"
#include "graphics/picture_clipboard.h"
#include "graphics/turtle_shape.h"
#include "lang/clipboard_word.h"
#include "values/pools.h"

namespace lx {
namespace {

std::string readPlainFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw eLogoException::withWord(erNoEmbeddedFilePlugin, name);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

PictureFileReader& fileReader() {
  static PictureFileReader reader = readPlainFile;
  return reader;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

Value oneFrameOf(const Value& image, int frame, const std::string& name) {
  const tLogoImage& whole = *asImage(image);
  if (frame < 1 || static_cast<size_t>(frame) > whole.frames().size())
    throw eLogoException::withWord(erBadStructure, name);
  return makeImage({whole.frames()[frame - 1]}, whole.baseAngle(), whole.loops());
}

Value singlePicture(std::unique_ptr<tLogoPicture> picture) {
  return imageOfPicture(sharePicture(std::move(picture)));
}

}  // namespace

void setPictureFileReader(PictureFileReader reader) {
  fileReader() = reader ? reader : readPlainFile;
}

PictureName splitPictureName(std::string_view name) {
  const size_t colon = name.rfind(':');
  if (colon == std::string_view::npos || colon < 2) return {std::string(name), std::nullopt};
  size_t end = colon + 1;
  while (end < name.size() && isDigit(name[end])) ++end;
  const bool digitsToExtension =
      end > colon + 1 && end - colon <= 6 && (end == name.size() || name[end] == '.');
  if (!digitsToExtension || name.find_first_of("\\/", end) != std::string_view::npos)
    return {std::string(name), std::nullopt};
  const int frame = std::stoi(std::string(name.substr(colon + 1, end - colon - 1)));
  return {std::string(name.substr(0, colon)) + std::string(name.substr(end)), frame};
}

std::string pictureExtension(std::string_view file) {
  const size_t slash = file.find_last_of("\\/:");
  const size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return "";
  std::string ext(file.substr(dot));
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return ext;
}

Value decodePicture(std::string_view bytes, const std::string& extension) {
  if (extension == ".BMP") return singlePicture(readBmp(bytes));
  if (extension == ".JPG" || extension == ".JPE" || extension == ".JPEG")
    return singlePicture(readJpeg(bytes));
  if (extension == ".PNG") return singlePicture(readPng(bytes));
  if (extension == ".ICO") return singlePicture(readIcon(bytes));
  if (extension == ".GIF") {
    GifFrames gif = readGif(bytes);
    return makeImage({std::move(gif.cells)}, 0, gif.loops);
  }
  if (extension == ".LGW") return readLgw(bytes);
  // Metafiles are not read: there is no library here to render them.
  if (extension == ".WMF" || extension == ".EMF") throw BadPicture("metafile");
  return readImageFile(bytes);
}

Value loadImageNamed(const std::string& name, ImageDefault kind) {
  // The desktop's clipboard holds text alone here; a picture is there only
  // when the program put one.
  if (isClipboardWord(name)) {
    const std::optional<ClipboardPicture> held = clipboardPicture();
    if (!held) throw eLogoException::withWord(erClipboard, name);
    return makeImage(held->frames, held->baseAngle, held->loop);
  }
  const PictureName parts = splitPictureName(name);
  std::string file = parts.file;
  std::string extension = pictureExtension(file);
  if (extension.empty()) {
    extension = kind == ImageDefault::Bitmap ? ".BMP" : ".LGF";
    file += extension;
  }
  const std::string bytes = fileReader()(file);
  Value image;
  try {
    image = decodePicture(bytes, extension);
  } catch (const BadPicture&) {
    throw eLogoException::withWord(erImageFile, name);
  }
  return parts.frame ? oneFrameOf(image, *parts.frame, name) : image;
}

Value builtinTurtleImage() {
  static constexpr int kSide = kTurtleSide;
  PixelBuffer canvas(kSide, kSide, 0);
  PixelBuffer cover(kSide, kSide, 0);
  const TurtleShape shape;
  const PixelRect rect{0, 0, kSide, kSide};
  cairo_t* cr = cairo_create(canvas.cairoSurface());
  paintShape(cr, shape, rect, 0);
  cairo_destroy(cr);
  // The same drawing in white on black tells which pixels the turtle covers.
  TurtleShape white;
  white.colour = kWhite;
  cr = cairo_create(cover.cairoSurface());
  paintShape(cr, white, rect, 0);
  cairo_destroy(cr);
  canvas.flush();
  cover.flush();
  auto picture = std::make_unique<tLogoPicture>(kSide, kSide);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      picture->setPixel(x, y, canvas.pixel(x, y));
      if (cover.pixel(x, y) == 0) picture->setMasked(x, y, true);
    }
  picture->hotSpot = {kTurtleHotSpot, kTurtleHotSpot};
  return singlePicture(std::move(picture));
}

}  // namespace lx
