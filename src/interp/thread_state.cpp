// The thread-local interpreter state.
#include "interp/thread_state.h"

#include "lang/dictionary.h"

namespace lx {

constinit thread_local ThreadState* detail::currentThreadState = nullptr;

namespace {

class tErasedContext : public tlogoobject {
 public:
  Value copy() const override { return Value(const_cast<tErasedContext*>(this)); }
  const char* className() const override { return "tErasedContext"; }
};

}  // namespace

const Value& erasedContext() {
  // Never freed: saved contexts may hold it until the very end.
  static const Value* marker = new Value(new tErasedContext);
  return *marker;
}

void restoreCurrentObject(ThreadState& state, Value saved) {
  if (saved.get() == erasedContext().get()) {
    state.currentObject = nullptr;
    state.control->requestStop();
    return;
  }
  state.currentObject = std::move(saved);
}

ThreadState::ThreadState() = default;

void installThreadState(ThreadState* state) {
  detail::currentThreadState = state;
}

ScopedThreadState::ScopedThreadState() : previous_(detail::currentThreadState) {
  detail::currentThreadState = &state_;
}

ScopedThreadState::~ScopedThreadState() {
  detail::currentThreadState = previous_;
}

}  // namespace lx
