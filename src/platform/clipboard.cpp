// The clipboard's text, through the started backend.
#include "platform/clipboard.h"

#include "platform/platform.h"

namespace lx {

std::string clipboardText() {
  return platform().clipboardText();
}

ClipboardContent clipboardContent() {
  return platform().clipboardContent();
}

void setClipboardText(std::string_view text) {
  platform().setClipboardText(text);
}

}  // namespace lx
