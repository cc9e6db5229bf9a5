// `ask`, `askeach`, `each`, `tell` and `who`: running Logo code as other
// objects.
#include "interp/evaluator.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/object_addressing.h"
#include "objects/object_primitives.h"
#include "objects/object_scope.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value askCommand(const Value& address, const Value& instructions) {
  ThreadState& state = threadState();
  AskScope scope(state, address);
  // A pending `output` or `stop` stays set for the procedure around `ask`.
  runValue(*instructions);
  return nullptr;
}

Value askOperation(const Value& address, const Value& instructions) {
  ThreadState& state = threadState();
  AskScope scope(state, address);
  return evaluateValue(*instructions);
}

// Runs the list once for each object of the object list that is still
// there, with that object current; once as it is without an object list.
void runForEachListed(ThreadState& state, const Value& instructions) {
  const std::vector<Value> objects = state.objectList;
  if (objects.empty()) {
    runValue(*instructions);
    return;
  }
  for (const Value& object : objects) {
    if (!asObject(object) || !asObject(object)->alive()) continue;
    CurrentObjectScope current(state, object);
    if (runValue(*instructions)) return;
  }
}

Value askEach(const Value& address, const Value& instructions) {
  ThreadState& state = threadState();
  AskScope scope(state, address);
  runForEachListed(state, instructions);
  return nullptr;
}

Value each(const Value& instructions) {
  runForEachListed(threadState(), instructions);
  return nullptr;
}

Value tell(const Value& address) {
  tellObjects(threadState(), address);
  return nullptr;
}

// The names of the objects `ask` or `tell` addressed, leaving out those
// erased since: one name alone as a word.
Value who() {
  ThreadState& state = threadState();
  if (!state.objectList.empty()) {
    ListBuilder names;
    size_t count = 0;
    Value last;
    for (const Value& listed : state.objectList) {
      const tmultiobject* object = asObject(listed);
      if (!object || !object->alive()) continue;
      last = makeWord(object->name());
      names.add(last);
      ++count;
    }
    return count == 1 ? last : Value(names.finish());
  }
  if (!state.objectStack.empty()) return makeWord(currentObject().name());
  return tLogoList::empty();
}

}  // namespace

void registerAddressingPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2pF>(table, "ask", false, askOperation, askCommand);
  registerPrimitive<tMainPasProcDesc2p>(table, "askeach", false, askEach);
  registerPrimitive<tMainPasProcDesc1p>(table, "each", false, each);
  registerPrimitive<tMainPasProcDesc1p>(table, "tell", false, tell);
  registerPrimitive<tMainPasProcDesc0p>(table, "who", false, who);
}

}  // namespace lx
