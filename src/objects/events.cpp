// Raising events and running their handlers.
#include "objects/events.h"

#include "interp/control_exceptions.h"
#include "interp/error_sink.h"
#include "interp/logo_exception.h"
#include "interp/thread_state.h"
#include "objects/main_object.h"
#include "objects/object_scope.h"

namespace lx {
namespace {

Value handlerOf(tmultiobject& object, NameCode event) {
  Value handler = object.eventHandler(event);
  return handler && !handler->isEmpty() ? handler : nullptr;
}

}  // namespace

std::string eventProcessName(const tmultiobject* object, NameCode event) {
  return "@" + (object ? object->name : std::string("nil")) + nameOf(event);
}

bool raiseEvent(tmultiobject* object, NameCode event, EventCompletion completion) {
  tmultiobject* target = object ? object : mainObject();
  Value handler = target ? handlerOf(*target, event) : nullptr;
  if (!handler) {
    if (completion) completion(object);
    return false;
  }
  startEventProcess(
      {eventProcessName(object, event), ObjectRef(target), std::move(handler), std::move(completion)});
  return true;
}

bool raiseEventAndWait(tmultiobject* object, NameCode event) {
  // Handlers run to their end before startEventProcess returns, so there is
  // nothing to wait for yet; the processes make this a real wait.
  return raiseEvent(object, event);
}

void runEventHere(tmultiobject& object, NameCode event) {
  const Value handler = handlerOf(object, event);
  if (!handler) return;
  ThreadState& state = threadState();
  ObjectFrameScope frame(state, Value(&object));
  runTopLevelList(state, *handler);
}

void startEventProcess(EventLaunch launch) {
  {
    ScopedThreadState process;
    process.state().currentObject = Value(launch.object.get());
    try {
      runTopLevelList(process.state(), *launch.handler);
    } catch (const eLogoException& error) {
      eLogoException reported = error;
      if (reported.inprocType == ipNone) reported.inprocType = ipEvent;
      defaultErrorSink()->showError(reported);
    } catch (const eTerminateException&) {
      // The process was ended; nothing to report.
    }
  }
  if (launch.completion) launch.completion(launch.object.get());
}

}  // namespace lx
