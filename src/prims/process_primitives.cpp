// Starting, stopping and watching processes.
#include "prims/process_primitives.h"

#include "core/control_exceptions.h"
#include "interp/evaluator.h"
#include "interp/named_locks.h"
#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "interp/user_processes.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

enum class UserKind { Launch, Forever, Every, After };

bool hasInterval(UserKind kind) {
  return kind == UserKind::Every || kind == UserKind::After;
}

// What a started process inherits from its starter: the current object
// and table, a copy of the local variables it sees, its sink and the
// objects it addresses.
ProcessStart inheritedStart(tInprocType kind, std::string name, Value list) {
  ThreadState& state = threadState();
  ProcessStart start;
  start.name = std::move(name);
  start.kind = kind;
  start.object = state.currentObject;
  start.table = state.currentTable;
  state.locals.forEach([&](tTabDesc& desc) {
    if (tLogoVarDesc* bound = state.locals.variable(desc.name))
      start.locals.emplace_back(desc.name, bound->value);
  });
  start.objectList = state.objectList;
  if (tLogoprocess* starter = currentProcess()) start.sink = starter->errorSink();
  start.list = std::move(list);
  return start;
}

// The inputs: [interval] list [name]; in the short form the list names
// the process by its printed text.
Value startUserProcess(tLogoStack& stack, int count, UserKind kind) {
  const int least = hasInterval(kind) ? 2 : 1;
  if (count > least + 1) throw eLogoException(erTooManyInputs);
  if (count < least) throw eLogoException(erNotEnoughInputs);
  const std::vector<Value> inputs = stack.takeInputs(count);
  const Value& nameValue = inputs.back();
  const std::string name = nameValue->printText(0);
  if (name.empty() || name.front() == '@') throw eLogoException(erBadValue, nameValue);
  const int32_t interval = hasInterval(kind) ? inputs.front()->asInteger() : 0;
  const Value& list = inputs[hasInterval(kind) ? 1 : 0];
  switch (kind) {
    case UserKind::Launch:
      tLogoprocess::start(
          std::make_shared<tLogouserProcess>(inheritedStart(ipLaunch, name, list), nameValue));
      break;
    case UserKind::Forever:
      tLogoprocess::start(
          std::make_shared<tLogoForeverProcess>(inheritedStart(ipForever, name, list), nameValue));
      break;
    case UserKind::Every:
      tLogoprocess::start(
          std::make_shared<tLogoEveryProcess>(inheritedStart(ipEvery, name, list), nameValue, interval));
      break;
    case UserKind::After:
      tLogoprocess::start(
          std::make_shared<tLogoAfterProcess>(inheritedStart(ipAfter, name, list), nameValue, interval));
      break;
  }
  return nullptr;
}

template <UserKind K>
Value startProcess(tLogoStack& stack, int count) {
  return startUserProcess(stack, count, K);
}

Value cancel(const Value& name) {
  if (allThreads().cancelByName(name->printText(0))) throw eTerminateException(true);
  return nullptr;
}

Value stopme() {
  throw eTerminateException(true);
}

Value stopall() {
  allThreads().stopAll(false);
  throw eTerminateException(false);
}

bool done(const Value& name) {
  return !allThreads().exists(name->printText(0));
}

Value allprocesses() {
  ListBuilder names;
  for (Value& name : allThreads().names()) names.add(std::move(name));
  return names.finish();
}

Value processname() {
  const tLogoprocess* self = currentProcess();
  return makeWord(self ? self->name() : std::string());
}

Value wait(const Value& count) {
  const int32_t units = count->asInteger();
  tLogoprocess* self = currentProcess();
  if (!self) throw eLogoException(erInternWait0);
  self->waitUnits(units);
  return nullptr;
}

Value pauseall() {
  allThreads().pauseAll();
  return nullptr;
}

Value resumeall() {
  allThreads().resumeAll();
  return nullptr;
}

Value runcritical(tLogoStack& stack, int count, bool asFunction) {
  if (count > 2) throw eLogoException(erTooManyInputs);
  if (count < 2) throw eLogoException(erNotEnoughInputs);
  const std::vector<Value> inputs = stack.takeInputs(count);
  CriticalScope held(namedLock(inputs[0]->printText(0)));
  if (asFunction) return evaluateValue(*inputs[1]);
  runValue(*inputs[1]);
  return nullptr;
}

// `runcritical` takes exactly its two inputs.
class tRunCriticalDesc : public tMainPasProcDescBF {
 public:
  explicit tRunCriticalDesc(NameCode name) : tMainPasProcDescBF(name, false, 2u, runcritical) {
    variableInputs = false;
  }
};

}  // namespace

void registerProcessPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "launch", false, 1u, startProcess<UserKind::Launch>);
  registerPrimitive<tMainPasProcDesc>(table, "forever", false, 1u, startProcess<UserKind::Forever>);
  registerPrimitive<tMainPasProcDesc>(table, "every", false, 2u, startProcess<UserKind::Every>);
  registerPrimitive<tMainPasProcDesc>(table, "after", false, 2u, startProcess<UserKind::After>);
  registerPrimitive<tMainPasProcDesc1p>(table, "cancel", false, cancel);
  registerPrimitive<tMainPasProcDesc0p>(table, "stopme", false, stopme);
  registerPrimitive<tMainPasProcDesc0p>(table, "stopall", false, stopall);
  registerPrimitive<tMainPasProcDesc1b>(table, "done?", false, done);
  registerPrimitive<tMainPasProcDesc0p>(table, "allprocesses", false, allprocesses);
  registerPrimitive<tMainPasProcDesc0p>(table, "processname", false, processname);
  registerPrimitive<tMainPasProcDesc1p>(table, "wait", false, wait);
  registerPrimitive<tMainPasProcDesc0p>(table, "pauseall", false, pauseall);
  registerPrimitive<tMainPasProcDesc0p>(table, "resumeall", false, resumeall);
  registerPrimitive<tRunCriticalDesc>(table, "runcritical");
}

}  // namespace lx
