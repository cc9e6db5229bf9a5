// The thread-local interpreter state.
#include "interp/thread_state.h"

#include <cassert>

#include "lang/dictionary.h"

namespace lx {
namespace {

thread_local ThreadState* current = nullptr;

}  // namespace

ThreadState::ThreadState() : outputException(std::make_unique<eOutputException>(localName("output"))) {}

ThreadState& threadState() {
  assert(current && "Logo code runs only on a thread with an interpreter state");
  return *current;
}

bool hasThreadState() { return current != nullptr; }

void installThreadState(ThreadState* state) { current = state; }

ScopedThreadState::ScopedThreadState() : previous_(current) { current = &state_; }

ScopedThreadState::~ScopedThreadState() { current = previous_; }

}  // namespace lx
