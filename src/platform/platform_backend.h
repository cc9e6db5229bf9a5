// The platform layer's backend: everything the system needs from the
// machine's user interface, in one interface with two implementations,
// headless (HeadlessBackend) and a windowed one. The program starts one at
// start-up (platform.h) and every part reaches it through platform().
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/clipboard_text.h"
#include "platform/platform_window.h"
#include "platform/sound_output.h"
#include "platform/ui_thread.h"

namespace lx {

enum class BackendKind { Headless, Windowed };

class PlatformBackend {
 public:
  virtual ~PlatformBackend() = default;
  virtual BackendKind kind() const = 0;

  // The loop of the thread that started the backend.
  virtual UiThread& uiThread() = 0;

  // Makes a window (user-interface thread only; a process hands the call over).
  virtual std::shared_ptr<PlatformWindow> createWindow(const WindowParams& params) = 0;

  // The clipboard's text, internal text with "\r\n" between lines; empty
  // when it holds no text. Any thread.
  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(std::string_view text) = 0;
  // The same text for pasting: what internal text cannot hold is left out
  // and counted (a clipboard of internal text leaves nothing out).
  virtual ClipboardContent clipboardContent() { return {clipboardText(), 0}; }

  // Shows a message box with one OK button and waits until it is closed;
  // caption and text are internal text. Called by showMessageBox (which
  // also records the message), from any thread.
  virtual void showMessageBox(std::string_view caption, std::string_view text) = 0;

  virtual SoundOutput& sound() = 0;
};

}  // namespace lx
