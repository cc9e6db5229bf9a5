// The native image form: picture streams (hot spot and delay, the image and
// the mask as BMP streams), frame streams (the pictures of one frame) and
// the image record that a project or an image file holds in an "IM 1" or
// "IMZ1" chunk: a short header — its own length, the frame count, the base
// angle in hundredths of a degree and the loop flag — then the frames.
#pragma once

#include <string>
#include <string_view>

#include "core/value.h"
#include "graphics/logo_image.h"
#include "lang/container_reader.h"

namespace lx {

std::string writePictureStream(const tLogoPicture& picture);
std::string writeFrameStream(const tLogoFrame& frame);
std::string writeImageRecord(const tLogoImage& image);

// Readers raise BadPicture for a damaged or over-large record.
PictureRef readPictureStream(std::string_view bytes);
tLogoFrame readFrameStream(std::string_view bytes);
Value readImageRecord(std::string_view bytes);
// The image of an image chunk as stored ("IM 1", or "IMZ1" compressed).
Value readImageChunk(const RawChunk& chunk);
// The first image of an image file (".LGF"): error 70 for a file that is
// not a container, 174 for one that needs a newer program, BadPicture for
// one without a readable image.
Value readImageFile(std::string_view bytes);

}  // namespace lx
