// How the user-interface thread waits when SDL shows its windows: in SDL's
// own event wait, so that window-system events and work queued by other
// threads wake it alike. A wake is an SDL user event pushed into SDL's
// queue (SDL_PushEvent may be called from any thread); at most one waits
// there at a time. Every other event goes to the backend's dispatcher,
// which turns it into queued work.
#pragma once

#include <SDL.h>

#include <atomic>
#include <functional>

#include "platform/event_waiter.h"

namespace lx {

class SdlEventWaiter final : public EventWaiter {
 public:
  // Runs on the user-interface thread for each SDL event but the wakes;
  // `drained` when SDL has no more events for now.
  struct Dispatcher {
    std::function<void(const SDL_Event& event)> event;
    std::function<void()> drained;
  };

  // `wakeEvent`: the SDL event type registered for wakes.
  SdlEventWaiter(uint32_t wakeEvent, Dispatcher dispatcher);

  void waitUntil(SteadyTime deadline) override;
  void wake() override;
  // Takes in the events that arrived, at most every few milliseconds.
  void poll() override;

 private:
  void handle(const SDL_Event& event);
  void drain();

  uint32_t wakeEvent_;
  Dispatcher dispatcher_;
  std::atomic<bool> wakePending_{false};  // a wake event waits in SDL's queue
  SteadyTime lastDrain_{};                // user-interface thread only
};

}  // namespace lx
