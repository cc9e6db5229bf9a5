// The named locks of `runcritical`: one lock per name, made on first use
// and kept for the rest of the program. Names compare as process names do.
#pragma once

#include <string_view>

namespace lx {

class tLogoCriticalSection;

// The lock of that name, made when absent.
tLogoCriticalSection& namedLock(std::string_view name);

// Takes the lock, waiting with the interpreter lock released; raises the
// end of the process when the calling process is told to stop first.
void enterCritical(tLogoCriticalSection& lock);
void leaveCritical(tLogoCriticalSection& lock);

// Holds a named lock for the scope.
class CriticalScope {
 public:
  explicit CriticalScope(tLogoCriticalSection& lock) : lock_(lock) { enterCritical(lock_); }
  ~CriticalScope() { leaveCritical(lock_); }
  CriticalScope(const CriticalScope&) = delete;
  CriticalScope& operator=(const CriticalScope&) = delete;

 private:
  tLogoCriticalSection& lock_;
};

}  // namespace lx
