// Protected work: what touches window controls runs on the user-interface
// thread while the calling Logo process waits, seeing the caller's
// interpreter state (its value stack and current object) there.
#pragma once

#include <functional>

namespace lx {

// Runs `work` on the user-interface thread with the calling thread's
// interpreter state installed for its duration; at once when the caller is
// that thread, or when no platform is started. Errors come back to the
// caller.
void runProtected(const std::function<void()>& work);

}  // namespace lx
