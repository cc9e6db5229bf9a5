// tLogoImage: the image value — an ordered array of frames, each an ordered
// array of pictures (the animation cells of the frame), with the base angle
// that frame 1 shows when frames follow the heading and the loop flag that
// restarts an animation after its last cell. Like every value it never
// changes once Logo code can see it; operations answer new images.
#pragma once

#include <memory>
#include <vector>

#include "core/value.h"
#include "graphics/logo_picture.h"

namespace lx {

// tLogoFrame: the cells of one frame. Cell i beyond the end is cell 0.
using tLogoFrame = std::vector<PictureRef>;

class tLogoImage : public tlogoobject {
 public:
  tLogoImage();
  explicit tLogoImage(std::vector<tLogoFrame> frames, long double baseAngle = 0, bool loop = true);

  const std::vector<tLogoFrame>& frames() const { return frames_; }
  long double baseAngle() const { return baseAngle_; }
  bool loops() const { return loop_; }
  // The cell of a frame, both from 0; a cell past the frame's end is cell 0,
  // a frame past the end is the last. Null for an image without cells.
  const tLogoPicture* cell(size_t frame, size_t cell) const;
  size_t cellCount(size_t frame) const { return frame < frames_.size() ? frames_[frame].size() : 0; }
  size_t totalCells() const;

  Value copy() const override;
  bool isImage() const override { return true; }
  bool isEmpty() const override { return frames_.empty(); }
  bool equals(const tlogoobject& other) const override;
  const char* className() const override { return "image"; }

 private:
  std::vector<tLogoFrame> frames_;
  long double baseAngle_ = 0;
  bool loop_ = true;
};

// The value as an image, or nullptr.
const tLogoImage* asImage(const Value& value);
// A new image value.
Value makeImage(std::vector<tLogoFrame> frames, long double baseAngle = 0, bool loop = true);
// An image of one picture.
Value imageOfPicture(PictureRef picture);

// Whether a set of frames stays inside the limits on cells and pixels.
bool framesAllowed(const std::vector<tLogoFrame>& frames);

}  // namespace lx
