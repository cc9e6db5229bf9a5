// The page-list notification of a window: it runs the window's
// `onPagelistChanged` handler. A notification that arrives while another
// runs only marks "again", and the running one repeats until no mark is
// left, so a burst of changes gives at least one event and at most one
// more than the one running.
#pragma once

#include <functional>
#include <mutex>

namespace lx {

class PagelistNotice {
 public:
  // Runs `raise` (which runs the handler to its end), or marks "again"
  // when a notification is running already.
  void send(const std::function<void()>& raise);
  bool running() const;

 private:
  // Guards only the two flags: the handler runs outside it.
  mutable std::mutex mutex_;
  bool busy_ = false;
  bool again_ = false;
};

}  // namespace lx
