// Making an object current for a while.
#include "objects/object_scope.h"

#include "interp/evaluator.h"
#include "core/logo_exception.h"

namespace lx {

CurrentObjectScope::CurrentObjectScope(ThreadState& state, Value object) : state_(state) {
  if (state_.objectStack.size() >= kMaxObjectStack) throw eLogoException(erDeepAsk);
  state_.objectStack.push_back(std::move(state_.currentObject));
  state_.currentObject = std::move(object);
}

CurrentObjectScope::~CurrentObjectScope() {
  restoreCurrentObject(state_, std::move(state_.objectStack.back()));
  state_.objectStack.pop_back();
}

ObjectFrameScope::ObjectFrameScope(ThreadState& state, Value object)
    : object_(state, std::move(object)), state_(state) {
  state_.locals.pushFrame({}, state_.stack);
}

ObjectFrameScope::~ObjectFrameScope() {
  state_.locals.popFrame();
}

void runTopLevelList(ThreadState& state, const tlogoobject& list) {
  runValue(list);
  state.stopFlag = false;
  state.pendingOutput = nullptr;
}

}  // namespace lx
