// The clipboard's picture: what `saveimage`, `savebitmap` and `appendimage`
// put on the clipboard, and what `loadimage "clipboard` reads back. The
// desktop's clipboard takes text only here, so the picture stays inside
// the program.
#pragma once

#include <optional>

#include "graphics/logo_image.h"

namespace lx {

struct ClipboardPicture {
  std::vector<tLogoFrame> frames;
  long double baseAngle = 0;
  bool loop = true;
};

// Any thread.
void putOnClipboard(ClipboardPicture picture);
// Appends the frames to those on the clipboard (the picture's angle and
// loop flag stay); with none there, puts them. False, and the clipboard
// as it was, when the frames together would be too large an image.
bool appendToClipboard(const ClipboardPicture& picture);
std::optional<ClipboardPicture> clipboardPicture();
void clearClipboardPicture();

}  // namespace lx
