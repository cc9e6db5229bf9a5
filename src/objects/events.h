// Raising events. An event handler is an instruction list in an object's
// event table, found along the object's event chain. Raised events run as
// processes of their own; `runEventHere` runs the handler in the calling
// process.
#pragma once

#include <functional>
#include <string>

#include "objects/multi_object.h"

namespace lx {

// Called when a raised event's process ends (or at once, when the object
// has no handler), with the object.
using EventCompletion = std::function<void(tmultiobject* object)>;

// What a raised event starts: a process named `processName`, running
// `handler` with a fresh local table and `object` as its current object.
struct EventLaunch {
  std::string processName;
  ObjectRef object;
  Value handler;
  EventCompletion completion;
};

// Raises the event: when the object (none: the main object) has a handler
// that is not empty, starts it as a process and answers true; else calls
// the completion at once and answers false.
bool raiseEvent(tmultiobject* object, NameCode event, EventCompletion completion = {});
// Raises the event and waits until its handler has finished.
bool raiseEventAndWait(tmultiobject* object, NameCode event);
// Runs the handler in the calling process, in a new local frame with the
// object current; nothing happens when there is no handler.
void runEventHere(tmultiobject& object, NameCode event);

// The process name of an event: "@" + the object's name + the event's name.
std::string eventProcessName(const tmultiobject* object, NameCode event);

// The one place where a raised event becomes a process. Until the process
// list exists it runs the handler at once, on the calling thread but in an
// interpreter state of its own, as a process would: an error is reported
// the way a process reports it and goes no further.
void startEventProcess(EventLaunch launch);

}  // namespace lx
