// Calling a procedure for every object of an object list.
#include "objects/ask_object.h"

#include "core/logo_exception.h"
#include "interp/evaluator.h"
#include "interp/procedure_resolver.h"
#include "interp/thread_state.h"
#include "objects/main_object.h"
#include "objects/object_scope.h"

namespace lx {
namespace {

// Records the object context of a call made for one object of the list.
class CallContextScope {
 public:
  CallContextScope(ThreadState& state, Value context) : state_(state), saved_(std::move(state.callContext)) {
    state_.callContext = std::move(context);
  }
  ~CallContextScope() { state_.callContext = std::move(saved_); }

 private:
  ThreadState& state_;
  Value saved_;
};

// Calls the procedure of its name once for each object of the current
// object list, with that object current and the same inputs. Objects that
// are gone are passed over.
class tBroadcastCall : public tProcDesc {
 public:
  tBroadcastCall(const tProcDesc& first, tAskObject& owner)
      : tProcDesc(first.name, first.defaultInputs, first.variableInputs, first.inputsTakeComparisons),
        owner_(owner),
        first_(&first) {}

  void asCommand(int inputCount) override { run(inputCount, false); }
  void execute(int inputCount) override { run(inputCount, false); }
  void asCommandNoTail(int inputCount) override { run(inputCount, false); }
  void asTailCall(int inputCount) override { run(inputCount, false); }
  void asFunction(int inputCount) override { run(inputCount, true); }
  void asFunctionNoTail(int inputCount) override { run(inputCount, true); }

  const tProcDesc* first() const { return first_; }

 private:
  void run(int inputCount, bool wantValue);

  tAskObject& owner_;
  const tProcDesc* first_;
};

void tBroadcastCall::run(int inputCount, bool wantValue) {
  ThreadState& state = threadState();
  const Value keep(&owner_);
  std::vector<Value> inputs(static_cast<size_t>(inputCount));
  for (size_t i = inputs.size(); i-- > 0;) inputs[i] = state.stack.take();
  const tlogoobjectlist objects = owner_.objects;
  Value result;
  for (const ObjectRef& object : objects) {
    if (!object->alive()) continue;
    tTabDesc* found = object->findProcedure(name);
    tProcDesc* desc = found ? found->asProcedure() : nullptr;
    if (!desc) throw eLogoException::withName(erDoNotKnowHowTo, name);
    CurrentObjectScope current(state, Value(object.get()));
    CallContextScope context(state, procedureResolver().contextOf(Value(object.get()), *desc));
    for (const Value& input : inputs) state.stack.push(input);
    result = callDescriptor(*desc, inputCount, wantValue);
    if (wantValue || state.stopFlag) break;
  }
  state.stack.push(std::move(result));
}

}  // namespace

std::string tAskObject::printText(int) const {
  std::string text;
  for (const ObjectRef& object : objects) text += (text.empty() ? "" : " ") + object->name();
  return text;
}

tmultiobject* tAskObject::firstAlive() const {
  for (const ObjectRef& object : objects)
    if (object->alive()) return object.get();
  return nullptr;
}

tTabDesc* tAskObject::procedure(NameCode code) {
  tmultiobject* first = firstAlive();
  if (!first) first = mainObject();
  tTabDesc* found = first->findProcedure(code);
  tProcDesc* desc = found ? found->asProcedure() : nullptr;
  if (!desc || !found->table || found->table->ownerObject == mainObject()) return found;
  for (const auto& made : broadcasts_) {
    auto& broadcast = static_cast<tBroadcastCall&>(*made);
    if (broadcast.first() == desc && broadcast.name == code && broadcast.defaultInputs == desc->defaultInputs)
      return made.get();
  }
  broadcasts_.push_back(std::make_unique<tBroadcastCall>(*desc, *this));
  return broadcasts_.back().get();
}

}  // namespace lx
