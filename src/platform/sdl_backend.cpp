// The SDL backend.
#include "platform/sdl_backend.h"

#include <cstdlib>

#include "platform/clipboard_text.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/sdl_event_waiter.h"
#include "platform/sdl_window.h"

namespace lx {
namespace {

SDL_SystemCursor systemCursorOf(CursorShape shape) {
  switch (shape) {
    case CursorShape::Wait:
      return SDL_SYSTEM_CURSOR_WAIT;
    case CursorShape::Cross:
      return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case CursorShape::Hand:
      return SDL_SYSTEM_CURSOR_HAND;
    case CursorShape::IBeam:
      return SDL_SYSTEM_CURSOR_IBEAM;
    case CursorShape::Move:
      return SDL_SYSTEM_CURSOR_SIZEALL;
    case CursorShape::ResizeDiagonal:
      return SDL_SYSTEM_CURSOR_SIZENWSE;
    case CursorShape::ResizeHorizontal:
      return SDL_SYSTEM_CURSOR_SIZEWE;
    case CursorShape::ResizeVertical:
      return SDL_SYSTEM_CURSOR_SIZENS;
    default:
      return SDL_SYSTEM_CURSOR_ARROW;
  }
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::start(std::string& error) {
  // Ctrl+C in the terminal ends the program as it always does, rather than
  // becoming a quit event; a click on a window without the focus counts.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Only a display the user sees will do: left to itself, SDL falls back to
  // drivers that show nothing when the display cannot be opened. A driver
  // named in SDL_VIDEODRIVER is taken as asked.
  if (!std::getenv("SDL_VIDEODRIVER"))
    SDL_SetHint(SDL_HINT_VIDEODRIVER, std::getenv("WAYLAND_DISPLAY") ? "wayland,x11" : "x11");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  const uint32_t wakeEvent = SDL_RegisterEvents(1);
  if (wakeEvent == static_cast<uint32_t>(-1)) {
    error = "no event of its own is left for the user-interface loop";
    SDL_Quit();
    return nullptr;
  }
  return std::unique_ptr<SdlBackend>(new SdlBackend(wakeEvent));
}

SdlBackend::SdlBackend(uint32_t wakeEvent) {
  SdlEventWaiter::Dispatcher dispatcher{[this](const SDL_Event& event) { dispatch(event); },
                                        [this] {
                                          translator_.flush(input_);
                                          deliverInput();
                                        }};
  ui_ = std::make_unique<UiThread>(std::make_unique<SdlEventWaiter>(wakeEvent, std::move(dispatcher)));
  sound_ = std::make_unique<SdlSound>(*ui_);
}

// Every window should be gone by now (see stopPlatform); one that lives on
// lets go of its SDL window while SDL is still there.
SdlBackend::~SdlBackend() {
  std::vector<std::shared_ptr<SdlWindow>> living;
  for (const auto& [id, weak] : shown_)
    if (std::shared_ptr<SdlWindow> window = weak.lock()) living.push_back(std::move(window));
  for (const std::shared_ptr<SdlWindow>& window : living) window->destroy();
  sound_.reset();
  ui_.reset();
  for (SDL_Cursor*& shape : cursors_) {
    if (shape) SDL_FreeCursor(std::exchange(shape, nullptr));
  }
  SDL_Quit();
}

std::shared_ptr<PlatformWindow> SdlBackend::createWindow(const WindowParams& params) {
  ui_->requireCurrent("createWindow");
  auto window = std::make_shared<SdlWindow>(*this, *ui_, params);
  window->showIfWanted();
  return window;
}

void SdlBackend::windowShown(uint32_t id, const std::shared_ptr<SdlWindow>& window) {
  shown_[id] = window;
}

void SdlBackend::windowGone(uint32_t id) {
  shown_.erase(id);
}

std::shared_ptr<SdlWindow> SdlBackend::window(uint32_t id) const {
  const auto found = shown_.find(id);
  return found == shown_.end() ? nullptr : found->second.lock();
}

SDL_Cursor* SdlBackend::cursor(CursorShape shape) {
  const auto index = static_cast<size_t>(shape);
  if (shape == CursorShape::Hidden || index >= cursors_.size()) return nullptr;
  if (!cursors_[index]) cursors_[index] = SDL_CreateSystemCursor(systemCursorOf(shape));
  return cursors_[index];
}

// --- Events: input for the windows, and what the window system did ---

void SdlBackend::dispatch(const SDL_Event& event) {
  if (event.type == SDL_WINDOWEVENT) windowEvent(event.window);
  translator_.translate(event, static_cast<uint16_t>(SDL_GetModState()), input_);
  deliverInput();
}

void SdlBackend::deliverInput() {
  for (SdlInput& input : input_) {
    if (std::shared_ptr<SdlWindow> target = window(input.windowId)) target->queueInput(input.event);
  }
  input_.clear();
}

// Changes of size come late: a size the window no longer has is passed over.
void SdlBackend::windowEvent(const SDL_WindowEvent& event) {
  std::shared_ptr<SdlWindow> target = window(event.windowID);
  if (!target) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      ui_->post([weak = std::weak_ptr<SdlWindow>(target), width = event.data1, height = event.data2] {
        std::shared_ptr<SdlWindow> resized = weak.lock();
        if (!resized || !resized->sdlWindow()) return;
        int now = 0;
        int nowHeight = 0;
        SDL_GetWindowSize(resized->sdlWindow(), &now, &nowHeight);
        if (now == width && nowHeight == height) resized->resizedByUser(width, height);
      });
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      target->exposed();
      break;
    case SDL_WINDOWEVENT_CLOSE:
      target->requestClose();
      break;
    case SDL_WINDOWEVENT_MAXIMIZED:
      target->stateChangedByUser(WindowState::Maximized);
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      target->stateChangedByUser(WindowState::Minimized);
      break;
    case SDL_WINDOWEVENT_RESTORED:
      target->stateChangedByUser(WindowState::Normal);
      break;
    default:
      break;
  }
}

// --- Clipboard and message boxes, on the user-interface thread ---

std::string SdlBackend::clipboardText() {
  return ui_->runOnUiThread([] {
    char* text = SDL_GetClipboardText();
    const std::string utf8 = text ? text : "";
    SDL_free(text);
    return internalFromClipboard(utf8);
  });
}

ClipboardContent SdlBackend::clipboardContent() {
  return ui_->runOnUiThread([] {
    char* text = SDL_GetClipboardText();
    const std::string utf8 = text ? text : "";
    SDL_free(text);
    return clipboardContentOf(utf8);
  });
}

void SdlBackend::setClipboardText(std::string_view text) {
  const std::string utf8 = clipboardFromInternal(text);
  ui_->runOnUiThread([&utf8] { SDL_SetClipboardText(utf8.c_str()); });
}

SDL_Window* SdlBackend::dialogParent() const {
  for (const auto& [id, weak] : shown_) {
    if (std::shared_ptr<SdlWindow> shown = weak.lock(); shown && shown->sdlWindow())
      return shown->sdlWindow();
  }
  return nullptr;
}

// Modal over the main window; where SDL cannot show a box (or the program
// is ending), the message goes to standard error as headless.
void SdlBackend::showMessageBox(std::string_view caption, std::string_view text) {
  const std::string utf8Caption = cp1250ToUtf8(caption);
  const std::string utf8Text = cp1250ToUtf8(text);
  bool shown = false;
  try {
    shown = ui_->runOnUiThread([&] {
      return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, utf8Caption.c_str(), utf8Text.c_str(),
                                      dialogParent()) == 0;
    });
  } catch (const HandOverStopped&) {
  }
  if (!shown) writeMessageBoxToStandardError(caption, text);
}

}  // namespace lx
