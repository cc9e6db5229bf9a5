// A platform window shown by SDL: a resizable window of the window system
// whose client area shows the window's pixels through a streaming texture.
// Only a visible window without a host is shown; the SDL window is made the
// first time it is needed and hidden when it is not. Repainting uploads
// only the invalidated rectangle; the texture keeps the rest, so exposing
// the window shows it again without painting.
//
// User-interface thread only, as SDL wants its windows.
#pragma once

#include <SDL.h>

#include "platform/platform_window.h"

namespace lx {

class SdlBackend;

class SdlWindow final : public PlatformWindow {
 public:
  SdlWindow(SdlBackend& backend, UiThread& ui, const WindowParams& params);
  ~SdlWindow() override;

  // Shows or hides the SDL window as the window's state wants (after it
  // is made shared, and whenever visibility or hosting change).
  void showIfWanted();
  SDL_Window* sdlWindow() const { return window_; }
  // Lets go of the SDL window (the backend ends while the window lives on).
  void destroy();

  // --- What the window system did ---
  // The user resized the window (the size it has now).
  void resizedByUser(int width, int height);
  void stateChangedByUser(WindowState state) { recordState(state); }
  // Part of the window was uncovered: shows the texture again.
  void exposed() { presentTexture(); }

 protected:
  void titleChanged() override;
  void iconChanged() override;
  void geometryChanged() override;
  void visibilityChanged() override { showIfWanted(); }
  void stateChanged() override;
  void cursorChanged() override;
  void captureChanged() override;
  void hostChanged() override { showIfWanted(); }
  void present(const PixelRect& dirty) override;
  void warpPointer(int x, int y) override;

 private:
  bool make();
  bool textureFits();
  void upload(const PixelRect& rect);
  void presentTexture();

  SdlBackend& backend_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
};

}  // namespace lx
