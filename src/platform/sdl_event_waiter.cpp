// Waiting in SDL's event loop.
#include "platform/sdl_event_waiter.h"

#include <algorithm>
#include <climits>

namespace lx {
namespace {

// How often a busy loop looks at SDL's events: often enough that the
// window follows the mouse, seldom enough to cost nothing.
constexpr auto kPollInterval = std::chrono::milliseconds(8);

}  // namespace

SdlEventWaiter::SdlEventWaiter(uint32_t wakeEvent, Dispatcher dispatcher)
    : wakeEvent_(wakeEvent), dispatcher_(std::move(dispatcher)) {}

void SdlEventWaiter::waitUntil(SteadyTime deadline) {
  SDL_Event event;
  bool got;
  if (deadline == SteadyTime::max()) {
    got = SDL_WaitEvent(&event) == 1;
  } else {
    using namespace std::chrono;
    const auto left = duration_cast<milliseconds>(realWakeTime(deadline) - steady_clock::now()).count();
    // Rounded up, so that a wait ends at or after its deadline, not just before.
    const int timeout = static_cast<int>(std::clamp<long long>(left + 1, 0, INT_MAX));
    got = SDL_WaitEventTimeout(&event, timeout) == 1;
  }
  if (got) handle(event);
  drain();
}

void SdlEventWaiter::wake() {
  if (wakePending_.exchange(true)) return;
  SDL_Event event{};
  event.type = wakeEvent_;
  if (SDL_PushEvent(&event) != 1) wakePending_ = false;
}

void SdlEventWaiter::poll() {
  const SteadyTime now = std::chrono::steady_clock::now();
  if (now - lastDrain_ < kPollInterval) return;
  drain();
}

// A wake clears its flag before the loop looks at its queue again, so work
// queued after that pushes a new wake and is never slept over.
void SdlEventWaiter::handle(const SDL_Event& event) {
  if (event.type == wakeEvent_) {
    wakePending_ = false;
    return;
  }
  if (dispatcher_.event) dispatcher_.event(event);
}

void SdlEventWaiter::drain() {
  SDL_Event event;
  while (SDL_PollEvent(&event) == 1) handle(event);
  lastDrain_ = std::chrono::steady_clock::now();
  if (dispatcher_.drained) dispatcher_.drained();
}

}  // namespace lx
