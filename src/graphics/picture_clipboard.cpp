// The clipboard's picture, under a mutex of its own: the pictures are
// shared, never changed, so a copy of the frames is cheap.
#include "graphics/picture_clipboard.h"

#include <mutex>

namespace lx {
namespace {

std::mutex pictureMutex;
std::optional<ClipboardPicture> held;  // guarded by pictureMutex

}  // namespace

void putOnClipboard(ClipboardPicture picture) {
  std::lock_guard lock(pictureMutex);
  held = std::move(picture);
}

bool appendToClipboard(const ClipboardPicture& picture) {
  std::lock_guard lock(pictureMutex);
  ClipboardPicture joined = held ? *held : ClipboardPicture{{}, picture.baseAngle, picture.loop};
  joined.frames.insert(joined.frames.end(), picture.frames.begin(), picture.frames.end());
  if (!framesAllowed(joined.frames)) return false;
  held = std::move(joined);
  return true;
}

std::optional<ClipboardPicture> clipboardPicture() {
  std::lock_guard lock(pictureMutex);
  return held;
}

void clearClipboardPicture() {
  std::lock_guard lock(pictureMutex);
  held.reset();
}

}  // namespace lx
