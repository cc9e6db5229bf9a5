// The page-list notification with its "again" mark.
#include "graphics/window_pagelist_notice.h"

namespace lx {

void PagelistNotice::send(const std::function<void()>& raise) {
  {
    std::lock_guard lock(mutex_);
    if (busy_) {
      again_ = true;
      return;
    }
    busy_ = true;
  }
  // However the handler ends, the next notification must be able to run.
  struct Done {
    PagelistNotice& notice;
    ~Done() {
      std::lock_guard lock(notice.mutex_);
      notice.busy_ = false;
      notice.again_ = false;
    }
  } done{*this};
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      again_ = false;
    }
    raise();
    std::lock_guard lock(mutex_);
    if (!again_) return;
  }
}

bool PagelistNotice::running() const {
  std::lock_guard lock(mutex_);
  return busy_;
}

}  // namespace lx
