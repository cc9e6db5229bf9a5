// Joysticks, the screen pointer, the screen's sizes and the desktop's
// opener, through SDL when a display is open and by fixed answers headless.
#include "platform/desktop_devices.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>

#include <thread>

#include "platform/platform.h"
#include "platform/sdl_backend.h"

extern char** environ;

namespace lx {
namespace {

bool windowed() {
  PlatformBackend* backend = startedPlatform();
  return backend && backend->kind() == BackendKind::Windowed;
}

// The joystick subsystem starts on first use; false when it cannot.
bool joysticksStarted() {
  static const bool started = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  return started;
}

// Headless, the pointer and the cursor are only remembered (user-interface
// thread only).
ScreenPoint rememberedPointer;
CursorShape rememberedCursor = CursorShape::Arrow;

// The fixed sizes of a plain desktop theme, for the frames SDL does not
// tell without a window, and for every size headless.
std::optional<int> fixedMetric(int index) {
  switch (index) {
    case 0:
    case 16:
      return 1024;
    case 1:
      return 768;
    case 17:
      return 728;
    case 2:
    case 3:
      return 17;
    case 4:
      return 23;
    case 5:
    case 6:
      return 1;
    case 7:
    case 8:
      return 3;
    case 15:
      return 20;
    case 32:
    case 33:
      return 4;
    default:
      return std::nullopt;
  }
}

std::optional<int> screenMetric(int index) {
  SDL_Rect bounds;
  if (index <= 1 && SDL_GetDisplayBounds(0, &bounds) == 0) return index == 0 ? bounds.w : bounds.h;
  if ((index == 16 || index == 17) && SDL_GetDisplayUsableBounds(0, &bounds) == 0)
    return index == 16 ? bounds.w : bounds.h;
  return fixedMetric(index);
}

// Waits for the opener so it leaves no zombie; the opener itself hands the
// target to the desktop's program and ends.
void reap(pid_t child) {
  std::thread([child] {
    int status = 0;
    ::waitpid(child, &status, 0);
  }).detach();
}

}  // namespace

int joystickCount() {
  if (!windowed() || !joysticksStarted()) return 0;
  return SDL_NumJoysticks();
}

std::vector<int> activeJoysticks() {
  std::vector<int> active;
  for (int i = 0; i < joystickCount(); ++i) {
    SDL_Joystick* stick = SDL_JoystickOpen(i);
    if (!stick) continue;
    if (SDL_JoystickGetAttached(stick)) active.push_back(i + 1);
    SDL_JoystickClose(stick);
  }
  return active;
}

ScreenPoint pointerOnScreen() {
  if (!windowed()) return rememberedPointer;
  ScreenPoint at;
  SDL_GetGlobalMouseState(&at.x, &at.y);
  return at;
}

void movePointerOnScreen(ScreenPoint to) {
  if (!windowed()) {
    rememberedPointer = to;
    return;
  }
  SDL_WarpMouseGlobal(to.x, to.y);
}

std::optional<int> systemMetric(int index) {
  return windowed() ? screenMetric(index) : fixedMetric(index);
}

void setProgramCursor(CursorShape shape) {
  rememberedCursor = shape;
  if (!windowed()) return;
  SDL_ShowCursor(shape == CursorShape::Hidden ? SDL_DISABLE : SDL_ENABLE);
  auto* sdl = dynamic_cast<SdlBackend*>(startedPlatform());
  if (SDL_Cursor* cursor = sdl ? sdl->cursor(shape) : nullptr) SDL_SetCursor(cursor);
}

CursorShape programCursor() {
  return rememberedCursor;
}

bool openOnDesktop(const std::string& target) {
  std::string program = "xdg-open";
  // A target the opener would take for one of its options is named as a path.
  std::string argument = !target.empty() && target.front() == '-' ? "./" + target : target;
  std::vector<char*> argv{program.data(), argument.data(), nullptr};
  pid_t child = 0;
  if (::posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
  reap(child);
  return true;
}

}  // namespace lx
