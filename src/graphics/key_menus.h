// The key menus of a window: the keys pressed or released at the window
// run the instruction lists that the `keyMenu` of its shown objects bind to
// them, each in a process "@" + object + "keymenu" with the object as its
// current object.
//
// One key at a time: while the processes a key started run, further keys
// that some menu matches wait in a queue, and the end of the last of those
// processes handles the oldest waiting key. Whether an object is shown is
// decided when its key is handled, so a key that waited runs the menus of
// the page shown by then.
//
// Key menus and the key readers (`readkey` and its kin) share the keys by
// one rule: a press that the menu of a shown object matches belongs to the
// menu and is not queued for the readers; every other press is. So a
// project that binds the arrows and reads letters with `readkey` sees each
// press once.
//
// Threads. Keys arrive on the user-interface thread, which takes the
// interpreter lock to read the objects' menus and start processes; the end
// notifications of the processes come with the lock held. The mutex
// guards the running count and the queue.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "graphics/key_menu_words.h"
#include "graphics/key_queue.h"

namespace lx {

class tSplitwindow;
class tmultiobject;

class KeyMenus : public std::enable_shared_from_this<KeyMenus> {
 public:
  // The window whose objects' menus run; none once it goes. Under the
  // interpreter lock.
  void attach(tSplitwindow* window) { window_ = window; }

  // A key reached the window (the interpreter lock held). Answers whether a
  // menu of a shown object took it (it ran, or waits its turn).
  bool offer(const LogoKey& key);

  size_t running();
  size_t waiting();
  // Forgets the waiting keys (the window resets its keys).
  void clear();

 private:
  struct Entry {
    KeyBinding binding;
    tmultiobject* object;
  };
  std::vector<Entry> table() const;
  bool shown(tmultiobject& object) const;
  // Answers how many processes it started (1 when the key waits).
  size_t handle(const LogoKey& key);
  void processEnded();

  tSplitwindow* window_ = nullptr;  // read under the interpreter lock
  std::mutex mutex_;
  size_t running_ = 0;
  KeyQueue waiting_;
};

// Installs the check of `keyMenu` values.
void installKeyMenuCheck();

}  // namespace lx
