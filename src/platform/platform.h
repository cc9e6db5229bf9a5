// Starting the platform layer: which backend runs (headless when there is
// no display or when asked for), and the one place every part reaches it.
//
// Layer: platform, the lowest. The only code that talks to the operating
// system (threads, windows, input, clipboard, files, sound devices); it
// knows nothing of Logo, and every other layer reaches the machine here.
#pragma once

#include <functional>

#include "platform/platform_backend.h"

namespace lx {

enum class BackendRequest { Automatic, Headless, Windowed };

// Looks up an environment variable; none when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// Whether there is a display to open windows on: DISPLAY or WAYLAND_DISPLAY
// is set and not empty.
bool displayAvailable(const EnvironmentLookup& lookup);
bool displayAvailable();

// The backend for a request: headless when asked for or when there is no
// display, else the windowed one.
BackendKind chooseBackend(BackendRequest request, bool display);

// Starts the platform layer; the calling thread (the program's main thread)
// becomes the user-interface thread. When the windowed backend is chosen but
// this build has none, headless runs instead; kind() tells which runs.
// Start and stop happen while no other thread uses the platform.
PlatformBackend& startPlatform(BackendRequest request = BackendRequest::Automatic);
// Ends the backend: hand-overs still waiting end in HandOverStopped. Every
// window must have been destroyed before.
void stopPlatform();

// The started backend; stops the program when none was started.
PlatformBackend& platform();
// The started backend, or none.
PlatformBackend* startedPlatform();
// The user-interface thread of the started backend.
UiThread& uiThread();

}  // namespace lx
