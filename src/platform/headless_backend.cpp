// The headless backend.
#include "platform/headless_backend.h"

#include "platform/message_box.h"

namespace lx {

std::shared_ptr<PlatformWindow> HeadlessBackend::createWindow(const WindowParams& params) {
  ui_.requireCurrent("createWindow");
  return std::make_shared<PlatformWindow>(ui_, params);
}

std::string HeadlessBackend::clipboardText() {
  std::lock_guard lock(clipboardMutex_);
  return clipboard_;
}

void HeadlessBackend::setClipboardText(std::string_view text) {
  std::lock_guard lock(clipboardMutex_);
  clipboard_ = text;
  clipboardLeftOut_ = 0;
}

ClipboardContent HeadlessBackend::clipboardContent() {
  std::lock_guard lock(clipboardMutex_);
  return {clipboard_, clipboardLeftOut_};
}

void HeadlessBackend::setClipboardFromSystem(std::string_view utf8) {
  ClipboardContent content = clipboardContentOf(utf8);
  std::lock_guard lock(clipboardMutex_);
  clipboard_ = std::move(content.text);
  clipboardLeftOut_ = content.leftOut;
}

// Headless nobody can close a box, so it does not wait.
void HeadlessBackend::showMessageBox(std::string_view caption, std::string_view text) {
  writeMessageBoxToStandardError(caption, text);
}

}  // namespace lx
