// Recolouring a shape's cell: the cell's main colour (the one most of its
// visible pixels have) becomes the shape colour, and its black pixels — the
// outlines — take the pen colour. Masked pixels stay transparent. Each
// recoloured cell is made once for its colours and kept with the shape.
#pragma once

#include "graphics/logo_picture.h"
#include "graphics/turtle_shape.h"

namespace lx {

// The cell in the shape's colours (the shape must have a shape colour).
// Called with the drawing lock held, which guards the shape's cache.
PictureRef recolouredCell(const TurtleShape& shape, const tLogoPicture& cell);
// The same without a cache.
std::unique_ptr<tLogoPicture> recolour(const tLogoPicture& cell, Rgb shapeColour, Rgb penColour);

}  // namespace lx
