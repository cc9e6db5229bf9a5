// The keys typed at a window, kept for the primitives that read the
// keyboard (`readkey`, `readchar`, `key`, `key?`, `lastkey`). The window's
// input adds the presses on the user-interface thread; Logo processes take
// them, waiting as key waits do: with the interpreter lock released, and
// ending at once when the process is told to stop.
//
// The queue has room for 100 keys and grows by 100 up to 300; when it is
// full, the newest key takes the last place. Ctrl+C switches the buffer off
// and empties it; reading switches it on again. Everything here is guarded
// by the processes' wait mutex, so a waiting reader never misses a key.
#pragma once

#include <optional>

#include "graphics/key_queue.h"
#include "graphics/logo_key.h"
#include "interp/process_waits.h"

namespace lx {

class TypedKeys {
 public:
  // Any thread: key input that reached the window (releases are not kept).
  void add(const KeyEvent& event);
  void add(const LogoKey& key);
  // Takes the oldest key, waiting for one until the deadline; none when the
  // deadline passed. `self` is the waiting process (none: a thread that is
  // never told to stop); told to stop, it ends the process.
  std::optional<LogoKey> take(ProcessControl* self, SteadyTime deadline = SteadyTime::max());
  // Whether a key waits; switches the buffer on.
  bool waiting();
  // The key taken last, if any.
  std::optional<LogoKey> last();
  size_t size();
  // Empties the queue and gives its room back (the window resets its keys).
  void clear();

 private:
  KeyQueue keys_;  // guarded by the wait mutex
  bool active_ = true;
  std::optional<LogoKey> last_;
};

}  // namespace lx
