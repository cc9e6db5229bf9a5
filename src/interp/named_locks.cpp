// The table of named locks (csectiondescription).
#include "interp/named_locks.h"

#include <deque>
#include <mutex>
#include <string>

#include "core/control_exceptions.h"
#include "interp/logo_process.h"
#include "interp/process_list.h"
#include "interp/process_waits.h"

namespace lx {

// Free or taken; the flag changes only under the wait mutex, so a waiter
// tests and takes it in one step.
class tLogoCriticalSection {
 public:
  explicit tLogoCriticalSection(std::string name) : name(std::move(name)) {}
  std::string name;
  bool taken = false;  // guarded by the wait mutex
};

namespace {

struct csectiondescription {
  std::mutex mutex;
  std::deque<tLogoCriticalSection> locks;  // never shrinks: references stay valid
};

csectiondescription& table() {
  static csectiondescription t;
  return t;
}

}  // namespace

tLogoCriticalSection& namedLock(std::string_view name) {
  csectiondescription& t = table();
  std::lock_guard lock(t.mutex);
  for (tLogoCriticalSection& existing : t.locks) {
    if (sameProcessName(existing.name, name)) return existing;
  }
  return t.locks.emplace_back(std::string(name));
}

void enterCritical(tLogoCriticalSection& lock) {
  // A free lock is taken at once. Giving the interpreter lock up to queue
  // for it again would put a thread switch into every entry, and with busy
  // processes on several cores each switch waits for another core.
  {
    std::lock_guard guard(waitMutex());
    if (!lock.taken) {
      lock.taken = true;
      return;
    }
  }
  tLogoprocess* self = currentProcess();
  bool took = false;
  const WaitEnd end = waitReleased(self ? &self->control() : nullptr, [&] {
    if (lock.taken) return false;
    lock.taken = took = true;
    return true;
  });
  if (end != WaitEnd::Stopped) return;
  // Told to stop while it queued for the interpreter lock with the named
  // lock taken: the named lock goes back, the list never runs.
  if (took) leaveCritical(lock);
  throw eTerminateException(false);
}

void leaveCritical(tLogoCriticalSection& lock) {
  changeAndNotify([&] { lock.taken = false; });
}

}  // namespace lx
