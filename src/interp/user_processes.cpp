// The bodies of the processes Logo code starts, and of the cleaning process.
#include "interp/user_processes.h"

#include <algorithm>

#include "interp/thread_state.h"

namespace lx {
namespace {

tcleaningthread::FullReset& fullReset() {
  static tcleaningthread::FullReset reset;
  return reset;
}

ProcessStart cleaningStart(Value mainObject) {
  ProcessStart start;
  start.name = "@clean";
  start.kind = ipCleaning;
  start.object = std::move(mainObject);
  return start;
}

}  // namespace

void tLogoForeverProcess::body(ThreadState& state) {
  for (;;) runListOnce(state);
}

void tLogoEveryProcess::body(ThreadState& state) {
  SteadyTime due = called_;
  for (;;) {
    runListOnce(state);
    // A round that overran its interval starts the next at once, without
    // making up the rounds it missed.
    due = std::max(due + std::chrono::milliseconds(waitUnitsToMilliseconds(interval_)), clockNow());
    waitUntil(due);
  }
}

void tLogoAfterProcess::body(ThreadState& state) {
  waitUntil(called_ + std::chrono::milliseconds(waitUnitsToMilliseconds(interval_)));
  runListOnce(state);
}

tcleaningthread::tcleaningthread(Value mainObject, std::string fileName, int options)
    : tLogoprocess(cleaningStart(std::move(mainObject))), fileName_(std::move(fileName)), options_(options) {}

void tcleaningthread::setFullReset(FullReset reset) {
  fullReset() = std::move(reset);
}

void tcleaningthread::body(ThreadState&) {
  if (fullReset()) fullReset()(fileName_, options_);
}

}  // namespace lx
