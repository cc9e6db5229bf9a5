// A window shown by SDL.
#include "platform/sdl_window.h"

#include <algorithm>
#include <cstdio>

#include "platform/codepage.h"
#include "platform/sdl_backend.h"

namespace lx {
namespace {

void reportSdlFailure(const char* what) {
  std::fprintf(stderr, "lumaxis: %s: %s\n", what, SDL_GetError());
}

}  // namespace

SdlWindow::SdlWindow(SdlBackend& backend, UiThread& ui, const WindowParams& params)
    : PlatformWindow(ui, params), backend_(backend) {}

SdlWindow::~SdlWindow() {
  destroy();
}

void SdlWindow::showIfWanted() {
  if (!visible() || hosted()) {
    if (window_) SDL_HideWindow(window_);
    return;
  }
  if (!window_ && !make()) return;
  SDL_ShowWindow(window_);
  presentTexture();
}

// Made hidden, with the pixels as they are uploaded, so that it never shows
// garbage; the paint that follows brings the picture up to date.
bool SdlWindow::make() {
  const bool placed = x() != 0 || y() != 0;
  const int left = placed ? x() : static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
  const int top = placed ? y() : static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
  window_ = SDL_CreateWindow(cp1250ToUtf8(title()).c_str(), left, top, std::max(clientWidth(), 1),
                             std::max(clientHeight(), 1), SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
  if (!window_) {
    reportSdlFailure("cannot make a window");
    return false;
  }
  iconChanged();
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) {
    reportSdlFailure("cannot draw in a window");
    destroy();
    return false;
  }
  backend_.windowShown(SDL_GetWindowID(window_), std::static_pointer_cast<SdlWindow>(shared_from_this()));
  if (state() != WindowState::Normal) stateChanged();
  if (textureFits()) upload(pixels().bounds());
  invalidateAll();
  return true;
}

void SdlWindow::destroy() {
  if (texture_) SDL_DestroyTexture(std::exchange(texture_, nullptr));
  if (renderer_) SDL_DestroyRenderer(std::exchange(renderer_, nullptr));
  if (!window_) return;
  backend_.windowGone(SDL_GetWindowID(window_));
  SDL_DestroyWindow(std::exchange(window_, nullptr));
}

void SdlWindow::resizedByUser(int width, int height) {
  setClientSize(width, height);
}

void SdlWindow::titleChanged() {
  if (window_) SDL_SetWindowTitle(window_, cp1250ToUtf8(title()).c_str());
}

// The icon's rows as SDL reads them: 32-bit pixels, red in the third byte.
void SdlWindow::iconChanged() {
  const PixelBuffer& picture = icon();
  if (!window_ || picture.width() == 0 || picture.height() == 0) return;
  picture.flush();
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(picture.row(0)), picture.width(),
                                         picture.height(), 32, picture.stride(), SDL_PIXELFORMAT_RGB888);
  if (!surface) return;
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
}

void SdlWindow::geometryChanged() {
  if (!window_) return;
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  const bool placed = x() != 0 || y() != 0;
  if (width != clientWidth() || height != clientHeight()) {
    SDL_SetWindowSize(window_, clientWidth(), clientHeight());
    // A window the program never placed stays where the screen's middle
    // puts it, rather than growing off the screen's edge.
    if (!placed) SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  if (placed) SDL_SetWindowPosition(window_, x(), y());
}

void SdlWindow::stateChanged() {
  if (!window_) return;
  const bool fullScreen = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  switch (state()) {
    case WindowState::Normal:
      if (fullScreen) SDL_SetWindowFullscreen(window_, 0);
      SDL_RestoreWindow(window_);
      break;
    case WindowState::Minimized:
      SDL_MinimizeWindow(window_);
      break;
    case WindowState::Maximized:
      if (fullScreen) SDL_SetWindowFullscreen(window_, 0);
      SDL_MaximizeWindow(window_);
      break;
    case WindowState::FullScreen:
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
      break;
  }
}

// SDL has one pointer shape for all its windows.
void SdlWindow::cursorChanged() {
  if (cursor() == CursorShape::Hidden) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  if (SDL_Cursor* shape = backend_.cursor(cursor())) SDL_SetCursor(shape);
}

void SdlWindow::captureChanged() {
  SDL_CaptureMouse(hasMouseCapture() ? SDL_TRUE : SDL_FALSE);
}

void SdlWindow::warpPointer(int x, int y) {
  if (window_) {
    SDL_WarpMouseInWindow(window_, x, y);
  } else if (std::shared_ptr<PlatformWindow> shownIn = host()) {
    const PixelRect area = areaInHost();
    shownIn->setMousePosition(x + area.x, y + area.y);
  } else {
    PlatformWindow::warpPointer(x, y);
  }
}

void SdlWindow::present(const PixelRect& dirty) {
  if (!window_) return;
  if (textureFits()) {
    upload(dirty);
  } else {
    upload(pixels().bounds());
  }
  presentTexture();
}

// Answers whether the texture already had the size of the pixels; makes
// one of that size when it had not.
bool SdlWindow::textureFits() {
  if (texture_ && textureWidth_ == clientWidth() && textureHeight_ == clientHeight()) return true;
  if (texture_) SDL_DestroyTexture(std::exchange(texture_, nullptr));
  textureWidth_ = std::max(clientWidth(), 1);
  textureHeight_ = std::max(clientHeight(), 1);
  // RGB888 is SDL's 32-bit 0x00RRGGBB in the machine's byte order: the
  // layout of the pixels, so they are uploaded as they are.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, textureWidth_,
                               textureHeight_);
  if (!texture_) reportSdlFailure("cannot make a window picture");
  return false;
}

void SdlWindow::upload(const PixelRect& rect) {
  const PixelRect area = intersect(rect, pixels().bounds());
  if (!texture_ || area.isEmpty()) return;
  pixels().flush();
  const SDL_Rect target{area.x, area.y, area.width, area.height};
  SDL_UpdateTexture(texture_, &target, pixels().row(area.y) + area.x, pixels().stride());
}

// The whole texture at its own size: while the window is being resized it
// may differ from the window's for a moment, and is not stretched.
void SdlWindow::presentTexture() {
  if (!renderer_ || !texture_) return;
  SDL_SetRenderDrawColor(renderer_, 240, 240, 240, 255);
  SDL_RenderClear(renderer_);
  const SDL_Rect target{0, 0, textureWidth_, textureHeight_};
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
}

}  // namespace lx
