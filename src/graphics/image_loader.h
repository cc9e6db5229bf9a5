// Images from the names Logo code gives: a picture file of any kind we
// read, chosen by its extension, or one frame of it with the suffix ":N"
// before the extension ("walk:2.gif"); the built-in turtle image.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/value.h"

namespace lx {

// Reads the bytes of a named picture file, raising the Logo error of a
// missing file (the application lends the lookup through packages and
// search folders; without one, the name is a path).
using PictureFileReader = std::string (*)(const std::string& name);
void setPictureFileReader(PictureFileReader reader);

// A name taken apart: the frame suffix ":N" counts only when the digits run
// from the last ":" to the extension (or the end) and at least two
// characters stand before the ":", so "C:5.bmp" stays a drive.
struct PictureName {
  std::string file;          // the name without the suffix
  std::optional<int> frame;  // N, from 1
};
PictureName splitPictureName(std::string_view name);

// The upper-cased extension with its dot (".GIF"); empty when there is none.
std::string pictureExtension(std::string_view file);

enum class ImageDefault : uint8_t { NativeImage, Bitmap };

// The image a name stands for. A name without extension gets ".LGF", or
// ".BMP" for a bitmap. Error 70 with the name for a file that cannot be
// read as its kind, the file errors of the reader, error 10 for a frame
// number beyond the image's frames.
Value loadImageNamed(const std::string& name, ImageDefault kind = ImageDefault::NativeImage);
// Decodes picture bytes by the extension (as above, without a file).
Value decodePicture(std::string_view bytes, const std::string& extension);

// The built-in turtle image: the default shape as a picture.
Value builtinTurtleImage();

}  // namespace lx
