// The windowed backend: real windows through SDL2. The user-interface
// thread waits in SDL's event loop (SdlEventWaiter); SDL's events become
// the windows' input and changes; the clipboard and message boxes are
// SDL's, used on the user-interface thread (where SDL wants them) through
// the hand-over. Sound plays through the audio device (SdlSound).
#pragma once

#include <SDL.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform_backend.h"
#include "platform/sdl_sound.h"
#include "platform/sdl_input.h"

namespace lx {

class SdlWindow;

class SdlBackend final : public PlatformBackend {
 public:
  // Starts SDL's video on the calling thread; none, with the reason in
  // `error`, when it cannot (no display it can open).
  static std::unique_ptr<SdlBackend> start(std::string& error);
  ~SdlBackend() override;

  BackendKind kind() const override { return BackendKind::Windowed; }
  UiThread& uiThread() override { return *ui_; }
  std::shared_ptr<PlatformWindow> createWindow(const WindowParams& params) override;
  std::string clipboardText() override;
  ClipboardContent clipboardContent() override;
  void setClipboardText(std::string_view text) override;
  void showMessageBox(std::string_view caption, std::string_view text) override;
  SoundOutput& sound() override { return *sound_; }

  // The SDL windows shown, by SDL's window id (user-interface thread).
  void windowShown(uint32_t id, const std::shared_ptr<SdlWindow>& window);
  void windowGone(uint32_t id);
  // The system's pointer of that shape, made on first use; none for Hidden.
  SDL_Cursor* cursor(CursorShape shape);

 private:
  explicit SdlBackend(uint32_t wakeEvent);
  void dispatch(const SDL_Event& event);
  void deliverInput();
  void windowEvent(const SDL_WindowEvent& event);
  std::shared_ptr<SdlWindow> window(uint32_t id) const;
  SDL_Window* dialogParent() const;

  std::unique_ptr<UiThread> ui_;
  std::unique_ptr<SdlSound> sound_;
  SdlInputTranslator translator_;
  std::vector<SdlInput> input_;                         // translated, not yet delivered
  std::map<uint32_t, std::weak_ptr<SdlWindow>> shown_;  // user-interface thread only
  std::array<SDL_Cursor*, 10> cursors_{};               // by CursorShape; user-interface thread only
};

}  // namespace lx
