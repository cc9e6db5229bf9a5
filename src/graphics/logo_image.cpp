// Image values: construction, cell lookup, equality.
#include "graphics/logo_image.h"

#include "graphics/image_methods.h"

namespace lx {

tLogoImage::tLogoImage() {
  methods = &imageMethodTable();
}

tLogoImage::tLogoImage(std::vector<tLogoFrame> frames, long double baseAngle, bool loop)
    : frames_(std::move(frames)), baseAngle_(baseAngle), loop_(loop) {
  methods = &imageMethodTable();
}

const tLogoPicture* tLogoImage::cell(size_t frame, size_t index) const {
  if (frames_.empty()) return nullptr;
  const tLogoFrame& cells = frames_[std::min(frame, frames_.size() - 1)];
  if (cells.empty()) return nullptr;
  return (index < cells.size() ? cells[index] : cells[0]).get();
}

size_t tLogoImage::totalCells() const {
  size_t total = 0;
  for (const tLogoFrame& frame : frames_) total += frame.size();
  return total;
}

Value tLogoImage::copy() const {
  return Value(new tLogoImage(frames_, baseAngle_, loop_));
}

// Two images are equal when they show the same: the same frames of the same
// cells, compared by content, with the same angle and loop flag.
bool tLogoImage::equals(const tlogoobject& other) const {
  const auto* image = dynamic_cast<const tLogoImage*>(&other);
  if (!image) return false;
  if (image == this) return true;
  if (image->baseAngle_ != baseAngle_ || image->loop_ != loop_ || image->frames_.size() != frames_.size())
    return false;
  for (size_t f = 0; f < frames_.size(); ++f) {
    const tLogoFrame& a = frames_[f];
    const tLogoFrame& b = image->frames_[f];
    if (a.size() != b.size()) return false;
    for (size_t c = 0; c < a.size(); ++c)
      if (a[c] != b[c] && !a[c]->sameAs(*b[c])) return false;
  }
  return true;
}

const tLogoImage* asImage(const Value& value) {
  return value ? dynamic_cast<const tLogoImage*>(value.get()) : nullptr;
}

Value makeImage(std::vector<tLogoFrame> frames, long double baseAngle, bool loop) {
  return Value(new tLogoImage(std::move(frames), baseAngle, loop));
}

Value imageOfPicture(PictureRef picture) {
  return makeImage({tLogoFrame{std::move(picture)}});
}

bool framesAllowed(const std::vector<tLogoFrame>& frames) {
  int64_t cells = 0, pixels = 0;
  for (const tLogoFrame& frame : frames)
    for (const PictureRef& picture : frame) {
      ++cells;
      pixels += int64_t{picture->width()} * picture->height();
    }
  return cells <= kMostImageCells && pixels <= kMostImagePixels;
}

}  // namespace lx
