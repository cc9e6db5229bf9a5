// Choosing, starting and reaching the platform backend.
#include "platform/platform.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/headless_backend.h"
#include "platform/sdl_backend.h"

namespace lx {
namespace {

std::unique_ptr<PlatformBackend>& ownedBackend() {
  static std::unique_ptr<PlatformBackend> backend;
  return backend;
}

// Read from every thread; written only by start and stop.
std::atomic<PlatformBackend*> currentBackend{nullptr};

bool isSet(const char* value) {
  return value != nullptr && *value != '\0';
}

// The windowed backend; none, said on standard error, when SDL cannot open
// the display (the program then runs headless).
std::unique_ptr<PlatformBackend> makeWindowedBackend() {
  std::string error;
  std::unique_ptr<PlatformBackend> backend = SdlBackend::start(error);
  if (!backend)
    std::fprintf(stderr, "lumaxis: cannot open a window (%s); running without one\n", error.c_str());
  return backend;
}

}  // namespace

bool displayAvailable(const EnvironmentLookup& lookup) {
  return isSet(lookup("DISPLAY")) || isSet(lookup("WAYLAND_DISPLAY"));
}

bool displayAvailable() {
  return displayAvailable([](const char* name) -> const char* { return std::getenv(name); });
}

BackendKind chooseBackend(BackendRequest request, bool display) {
  if (request == BackendRequest::Headless || !display) return BackendKind::Headless;
  return BackendKind::Windowed;
}

PlatformBackend& startPlatform(BackendRequest request) {
  auto& owned = ownedBackend();
  if (owned) {
    std::fprintf(stderr, "internal error: the platform layer was started twice\n");
    std::abort();
  }
  if (chooseBackend(request, displayAvailable()) == BackendKind::Windowed) owned = makeWindowedBackend();
  if (!owned) owned = std::make_unique<HeadlessBackend>();
  currentBackend.store(owned.get());
  return *owned;
}

void stopPlatform() {
  currentBackend.store(nullptr);
  ownedBackend().reset();
}

PlatformBackend* startedPlatform() {
  return currentBackend.load();
}

PlatformBackend& platform() {
  PlatformBackend* backend = currentBackend.load();
  if (!backend) {
    std::fprintf(stderr, "internal error: the platform layer is used before it was started\n");
    std::abort();
  }
  return *backend;
}

UiThread& uiThread() {
  return platform().uiThread();
}

}  // namespace lx
