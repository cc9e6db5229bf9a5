// Saving images to the clipboard. Each takes a destination and an image,
// in either order: the image is the input that is one.
#include "graphics/image_saving.h"

#include "core/logo_exception.h"
#include "graphics/picture_clipboard.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/clipboard_word.h"

namespace lx {
namespace {

struct SaveRequest {
  const tLogoImage* image;
  Value destination;
};

// The image (error 7 when neither input is one) and where it goes: only
// the clipboard, any file name is refused with error 51.
SaveRequest saveRequest(const Value& a, const Value& b) {
  const tLogoImage* image = asImage(b);
  Value destination = a;
  if (!image && (image = asImage(a))) destination = b;
  if (!image) throw eLogoException(erExpectImage, b);
  if (!destination->isWord() || !isClipboardWord(destination->wordText()))
    throw eLogoException(erNoSave, destination);
  return {image, destination};
}

ClipboardPicture pictureOf(const tLogoImage& image) {
  return {image.frames(), image.baseAngle(), image.loops()};
}

Value saveimage(const Value& a, const Value& b) {
  putOnClipboard(pictureOf(*saveRequest(a, b).image));
  return nullptr;
}

// A bitmap is one picture: the image's first cell (error 17 for an image
// without any).
Value savebitmap(const Value& a, const Value& b) {
  const tLogoImage& image = *saveRequest(a, b).image;
  if (image.totalCells() == 0) throw eLogoException(erEmptyImage);
  for (const tLogoFrame& frame : image.frames())
    if (!frame.empty()) {
      putOnClipboard({{tLogoFrame{frame.front()}}, 0, true});
      break;
    }
  return nullptr;
}

Value appendimage(const Value& a, const Value& b) {
  const SaveRequest request = saveRequest(a, b);
  if (!appendToClipboard(pictureOf(*request.image))) throw eLogoException(erImageFile, request.destination);
  return nullptr;
}

}  // namespace

void registerImageSaving(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "saveimage", false, saveimage);
  registerPrimitive<tMainPasProcDesc2p>(table, "savebitmap", false, savebitmap);
  registerPrimitive<tMainPasProcDesc2p>(table, "appendimage", false, appendimage);
}

}  // namespace lx
