// Raising events and running their handlers.
#include "objects/events.h"

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/logo_process.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "objects/main_object.h"
#include "objects/object_scope.h"

namespace lx {
namespace {

Value handlerOf(tmultiobject& object, NameCode event) {
  Value handler = object.eventHandler(event);
  return handler && !handler->isEmpty() ? handler : nullptr;
}

// Raises the event and gives the process that runs it, or none. The
// parameter is made under the lock, as every value is.
std::shared_ptr<tLogoprocess> raise(
    tmultiobject* object, NameCode event, EventCompletion completion,
    const std::function<std::vector<std::pair<NameCode, Value>>()>& parameters = {}) {
  InterpreterLockScope locked;
  tmultiobject* target = object ? object : mainObject();
  Value handler = target ? handlerOf(*target, event) : nullptr;
  if (!handler) {
    if (completion) completion(object);
    return nullptr;
  }
  EventLaunch launch{eventProcessName(object, event), event, ObjectRef(target), std::move(handler),
                     std::move(completion),           {},    nullptr,           {}};
  if (parameters) launch.parameters = parameters();
  return startEventProcess(std::move(launch));
}

}  // namespace

std::string eventProcessName(const tmultiobject* object, NameCode event) {
  return "@" + (object ? object->name() : std::string("nil")) + nameOf(event);
}

bool raiseEvent(tmultiobject* object, NameCode event, EventCompletion completion) {
  return raise(object, event, std::move(completion)) != nullptr;
}

bool raiseEventWith(tmultiobject* object, NameCode event, NameCode variable, Value value,
                    EventCompletion completion) {
  return raise(object, event, std::move(completion), [&] {
           return std::vector<std::pair<NameCode, Value>>{{variable, std::move(value)}};
         }) != nullptr;
}

bool raiseEventAndWait(tmultiobject* object, NameCode event) {
  // The wait is for the process itself, not for its notification: erasing
  // the object drops the notification, and the waiter must still wake.
  const std::shared_ptr<tLogoprocess> process = raise(object, event, {});
  if (!process) return false;
  if (!process->waitFor(Serve::HandOvers | Serve::MouseInput)) throw eTerminateException(false);
  return true;
}

void runEventHere(tmultiobject& object, NameCode event) {
  const Value handler = handlerOf(object, event);
  if (!handler) return;
  ThreadState& state = threadState();
  ObjectFrameScope frame(state, Value(&object));
  runTopLevelList(state, *handler);
}

std::shared_ptr<tLogoprocess> startEventProcess(EventLaunch launch) {
  InterpreterLockScope locked;
  ProcessStart start;
  start.name = std::move(launch.processName);
  start.nameCode = launch.event;
  start.kind = ipEvent;
  start.object = Value(launch.object.get());
  start.list = std::move(launch.handler);
  start.locals = std::move(launch.parameters);
  start.table = launch.table;
  start.objectList = std::move(launch.objectList);
  start.notificationData = launch.object.get();
  if (launch.completion) {
    start.endNotification = [completion = std::move(launch.completion), object = std::move(launch.object)] {
      completion(object.get());
    };
  }
  return tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
}

}  // namespace lx
