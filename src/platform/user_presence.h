// Whether a user can give input to this run. A headless run started from
// the command line has nobody at a keyboard or a mouse: what waits for the
// user's keys or drags must not wait there forever, but end at once (or
// fail with a Logo error). Tests that inject input leave the user present.
// Any thread.
#pragma once

namespace lx {

bool userAbsent();
void setUserAbsent(bool absent);

}  // namespace lx
