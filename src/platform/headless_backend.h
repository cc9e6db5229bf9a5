// The headless backend: no display needed. The user-interface loop sleeps
// on a condition variable, windows are off-screen pictures, message boxes go
// to standard error, the clipboard is a string in memory and sound is
// recorded. Every test and every run without a display uses it.
#pragma once

#include <mutex>
#include <string>

#include "platform/platform_backend.h"
#include "platform/recorded_sound.h"

namespace lx {

class HeadlessBackend final : public PlatformBackend {
 public:
  HeadlessBackend() = default;

  BackendKind kind() const override { return BackendKind::Headless; }
  UiThread& uiThread() override { return ui_; }
  std::shared_ptr<PlatformWindow> createWindow(const WindowParams& params) override;
  std::string clipboardText() override;
  void setClipboardText(std::string_view text) override;
  ClipboardContent clipboardContent() override;
  // Puts text on the clipboard as another program would, in UTF-8 (tests).
  void setClipboardFromSystem(std::string_view utf8);
  void showMessageBox(std::string_view caption, std::string_view text) override;
  SoundOutput& sound() override { return sound_; }

  // The recorded sound, for tests and scripted runs.
  RecordedSound& recordedSound() { return sound_; }

 private:
  UiThread ui_;
  RecordedSound sound_{ui_};
  std::mutex clipboardMutex_;
  std::string clipboard_;  // guarded by clipboardMutex_
  size_t clipboardLeftOut_ = 0;  // characters of the system's text it could not hold; guarded too
};

}  // namespace lx
