// Addressing objects from Logo code: an address is a word (one object's
// name), a list of names, or the empty list. `ask` makes the addressed
// objects current for a while; `tell` makes them the process's object list
// until the next `tell`.
#pragma once

#include "interp/thread_state.h"
#include "objects/multi_object.h"

namespace lx {

// The objects an address names, seen from the current object (error 50 for
// a name that names none). Objects themselves may stand in the list too.
tlogoobjectlist resolveAddress(const Value& address);

// What the current object becomes for these objects: the one object, a
// tAskObject for several (error 54, naming `address`, when they are not all
// made from the same class), or none for none.
Value currentValueFor(const tlogoobjectlist& objects, const Value& address);

// Saves the current object, the current table and the object list, applies
// the address, and restores all three however the scope ends. Each `ask`
// counts towards the 1000 nested objects (error 159).
class AskScope {
 public:
  AskScope(ThreadState& state, const Value& address);
  ~AskScope();
  AskScope(const AskScope&) = delete;
  AskScope& operator=(const AskScope&) = delete;

 private:
  ThreadState& state_;
  tLogoTab* savedTable_;
  std::vector<Value> savedList_;
};

// Sets the process's object list and current object from an address
// (error 36 inside `ask` or a prefixed call). The empty list ends the
// object list and makes the main object current again.
void tellObjects(ThreadState& state, const Value& address);

}  // namespace lx
