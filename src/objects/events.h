// Raising events. An event handler is an instruction list in an object's
// event table, found along the object's event chain. Raised events run as
// processes of their own; `runEventHere` runs the handler in the calling
// process.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "objects/multi_object.h"

namespace lx {

class tLogoprocess;

// Called when a raised event's process ends (or at once, when the object
// has no handler), with the object.
using EventCompletion = std::function<void(tmultiobject* object)>;

// What a raised event starts: a process named `processName`, running
// `handler` with a fresh local table and `object` as its current object.
struct EventLaunch {
  std::string processName;
  NameCode event = 0;
  ObjectRef object;
  Value handler;
  EventCompletion completion;
  std::vector<std::pair<NameCode, Value>> parameters;  // local variables set before the handler runs
  // A button's handler runs in the setting of its page: the page's
  // procedures are searched first and its objects are the ones addressed.
  tLogoTab* table = nullptr;
  std::vector<Value> objectList;
};

// Raises the event: when the object (none: the main object) has a handler
// that is not empty, starts it as a process and answers true; else calls
// the completion at once and answers false.
bool raiseEvent(tmultiobject* object, NameCode event, EventCompletion completion = {});
// The same with the event's parameter: the handler sees `variable` as a
// local variable holding `value`.
bool raiseEventWith(tmultiobject* object, NameCode event, NameCode variable, Value value,
                    EventCompletion completion = {});
// Raises the event and waits until its handler has finished: a process
// waits with the interpreter lock released (and ends when it is told to
// stop meanwhile); the user-interface thread goes on serving hand-overs and
// mouse input.
bool raiseEventAndWait(tmultiobject* object, NameCode event);
// Runs the handler in the calling process, in a new local frame with the
// object current; nothing happens when there is no handler.
void runEventHere(tmultiobject& object, NameCode event);

// The process name of an event: "@" + the object's name + the event's name.
std::string eventProcessName(const tmultiobject* object, NameCode event);

// The one place where a raised event becomes a process: a process of the
// event kind, reporting through the default sink, whose end notification
// is the completion. Any thread; it takes the interpreter lock for the
// start when it does not hold it.
std::shared_ptr<tLogoprocess> startEventProcess(EventLaunch launch);

}  // namespace lx
