// Running Logo code as another object: the scopes that make an object
// current for a while (as `ask`, prefixes and handlers do) and restore the
// one before, however the code ends.
#pragma once

#include "interp/thread_state.h"
#include "objects/multi_object.h"

namespace lx {

// Makes `object` current, saving the current object on the thread's object
// stack (error 159 when 1000 are saved already).
class CurrentObjectScope {
 public:
  CurrentObjectScope(ThreadState& state, Value object);
  ~CurrentObjectScope();
  CurrentObjectScope(const CurrentObjectScope&) = delete;
  CurrentObjectScope& operator=(const CurrentObjectScope&) = delete;

 private:
  ThreadState& state_;
};

// The same with a fresh local frame, as handlers and creation run in.
class ObjectFrameScope {
 public:
  ObjectFrameScope(ThreadState& state, Value object);
  ~ObjectFrameScope();
  ObjectFrameScope(const ObjectFrameScope&) = delete;
  ObjectFrameScope& operator=(const ObjectFrameScope&) = delete;

 private:
  CurrentObjectScope object_;
  ThreadState& state_;
};

// Runs a list that stands at the top of its own code (an event handler):
// a `stop` or `output` in it ends that list only.
void runTopLevelList(ThreadState& state, const tlogoobject& list);

}  // namespace lx
