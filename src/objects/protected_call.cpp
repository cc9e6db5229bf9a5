// Handing protected work over to the user-interface thread.
#include "objects/protected_call.h"

#include "interp/logo_process.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"

namespace lx {
namespace {

// Installs the caller's state on the user-interface thread and puts the
// thread's own back afterwards, also when the work fails.
class BorrowedState {
 public:
  explicit BorrowedState(ThreadState* caller) : own_(hasThreadState() ? &threadState() : nullptr) {
    installThreadState(caller);
  }
  ~BorrowedState() { installThreadState(own_); }

 private:
  ThreadState* own_;
};

}  // namespace

void runProtected(const std::function<void()>& work) {
  if (!startedPlatform() || uiThread().isCurrent()) {
    work();
    return;
  }
  ThreadState* caller = hasThreadState() ? &threadState() : nullptr;
  const LockLoan loan = LockLoan::ofThisThread();
  // A process told to stop while its work still waits for the interface
  // ends at once (HandOverStopped ends it quietly).
  tLogoprocess* process = currentProcess();
  const std::stop_token stop = process ? process->control().stopToken() : std::stop_token();
  uiThread().runOnUiThread(
      [&] {
        BorrowedState borrowed(caller);
        BorrowedLock lock(loan);
        work();
      },
      stop);
}

}  // namespace lx
