// `putpicture`: a picture drawn into a surface's drawing, placed by a list
// of localized parameter words and values (style, target rectangle or
// position, size, scale).
#pragma once

#include "graphics/gr_screen.h"
#include "core/value.h"

namespace lx {

enum class PictureStyle : uint8_t { UpperLeft = 0, Centre = 1, Tile = 2, Stretch = 3 };

// Where and how a picture goes, read from the parameter list.
struct PicturePlacement {
  PictureStyle style = PictureStyle::Centre;
  PixelRect target;  // in pixels, ordered
  double scaleX = 1;
  double scaleY = 1;
};

// Reads the parameter list for a picture of `pictureSize` on `surface`
// (error 8 for a name that is no word, an unknown name or style word or a
// missing value; 13 for a position that is not two numbers).
PicturePlacement placementOf(const Value& parameters, const tgrScreen& surface, PixelPoint pictureSize);
// Draws the picture into the drawing, clipped to its bounds, and repaints.
void putPictureOn(tgrScreen& surface, const Value& picture, const Value& parameters);

}  // namespace lx
