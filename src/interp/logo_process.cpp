// The life of a process: its thread takes the interpreter lock, builds its
// interpreter state, runs its body inside the process's exception handling,
// cleans up under the lock, runs its end notification and ends.
#include "interp/logo_process.h"

#include <cassert>

#include "interp/error_messages.h"
#include "interp/evaluator.h"
#include "core/global_options.h"
#include "interp/process_list.h"
#include "interp/thread_state.h"
#include "lang/dictionary.h"
#include "platform/hand_over.h"
#include "platform/large_stack_thread.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "values/pools.h"

namespace lx {
namespace {

thread_local tLogoprocess* runningProcess = nullptr;

bool onUiThread() {
  return startedPlatform() && uiThread().isCurrent();
}

}  // namespace

tLogoprocess::tLogoprocess(ProcessStart start)
    : name_(std::move(start.name)),
      nameCode_(start.nameCode),
      kind_(start.kind),
      object_(std::move(start.object)),
      table_(start.table),
      locals_(std::move(start.locals)),
      objectList_(std::move(start.objectList)),
      sink_(start.sink ? std::move(start.sink) : defaultErrorSink()),
      list_(std::move(start.list)),
      endNotification_(std::move(start.endNotification)),
      notificationData_(start.notificationData),
      stateReady_(std::move(start.stateReady)),
      stateDone_(std::move(start.stateDone)) {}

tLogoprocess::~tLogoprocess() = default;

std::shared_ptr<tLogoprocess> tLogoprocess::start(std::shared_ptr<tLogoprocess> process) {
  tallthreads& list = allThreads();
  list.reapFinished();
  list.add(process);
  auto thread = std::make_unique<LargeStackThread>([process] { process->execute(); });
  list.attachThread(*process, std::move(thread));
  return process;
}

Value tLogoprocess::nameValue() const {
  return makeWord(name_);
}

// The process holds the lock by its own token from its start to its end,
// giving it up only for waits and hand-overs. A process told to stop
// before it started still builds its state and ends at its first
// instruction, quietly.
void tLogoprocess::execute() {
  runningProcess = this;
  setLogoProcessThread(true);
  LockToken token;
  scheduler().take(token);
  control_.enter(ProcessPhase::Running);
  auto state = std::make_unique<ThreadState>();
  state->control = &control_;
  installThreadState(state.get());
  buildState(*state);
  state_ = state.get();
  run(*state);
  cleanUp(*state);
  state_ = nullptr;
  installThreadState(nullptr);
  state.reset();
  notifyEnd();
  scheduler().give(token);
  runningProcess = nullptr;
  allThreads().retire(*this);
}

void tLogoprocess::buildState(ThreadState& state) {
  state.currentObject = object_;
  state.currentTable = table_;
  if (!locals_.empty()) {
    state.locals.pushFrame({}, state.stack);
    for (auto& [code, value] : locals_) state.locals.bindLocal(code, std::move(value));
    locals_.clear();
  }
  state.objectList = std::move(objectList_);
  if (stateReady_) stateReady_(state);
}

void tLogoprocess::body(ThreadState& state) {
  runListOnce(state);
}

void tLogoprocess::runListOnce(ThreadState& state) {
  runValue(*list_);
  if (!state.stopFlag) return;
  // `output` or `stop` at the top of the process: a `stop` ends a process
  // of any real kind quietly; anything else has no procedure to leave.
  const bool output = state.pendingOutput != nullptr;
  if (!output && kind_ != ipNone) throw eTerminateException(true);
  throw eLogoException::withPrim(erWrongPlace, localName(output ? "output" : "stop"));
}

void tLogoprocess::waitUnits(int32_t count) {
  waitUntil(afterMilliseconds(waitUnitsToMilliseconds(count)));
}

void tLogoprocess::waitUntil(SteadyTime until) {
  if (waitReleased(&control_, {}, until) == WaitEnd::Stopped) throw eTerminateException(false);
}

void tLogoprocess::run(ThreadState& state) {
  try {
    body(state);
  } catch (const eTerminateException&) {
    // Ended by a stop request, `stopme` or `stopall`: quietly.
  } catch (const HandOverStopped&) {
    // The program is ending; the user-interface thread took no more work.
  } catch (eLogoException& error) {
    sink_->abort();
    annotate(error, nameCode_, object_.get(), 0, kind_);
    report(error);
  } catch (const std::exception& error) {
    sink_->abort();
    report(error);
  }
}

void tLogoprocess::report(const std::exception& error) {
  try {
    sink_->showError(error);
  } catch (const std::exception&) {
    // The report could not be shown (the program is ending); the process
    // ends all the same.
  }
}

void tLogoprocess::cleanUp(ThreadState& state) {
  if (stateDone_) stateDone_(state);
  stateReady_ = nullptr;
  stateDone_ = nullptr;
  state.stack.clearAll();
  state.pendingOutput = nullptr;
  state.objectStack.clear();
  state.objectList.clear();
  state.variableBindings.forgetAll();
  state.propertyBindings.forgetAll();
  allThreads().remove(*this);
  releaseValues();
  object_ = nullptr;
  list_ = nullptr;
  objectList_.clear();
  locals_.clear();
}

void tLogoprocess::notifyEnd() {
  const EndNotification notification = allThreads().takeEndNotification(*this);
  if (!notification) return;
  try {
    if (startedPlatform()) {
      // The notification borrows the lock this process still holds, so
      // that what it raises (the next event of a control) does not wait
      // for the lock of the process that waits for it.
      const LockLoan loan = LockLoan::ofThisThread();
      uiThread().runOnUiThread([&] {
        BorrowedLock lock(loan);
        notification();
      });
    } else {
      notification();
    }
  } catch (const HandOverStopped&) {
    // The program is ending; nobody waits for the notification any more.
  } catch (const std::exception& error) {
    report(error);
  }
}

void tLogoprocess::forgetNotification() {
  endNotification_ = nullptr;
}

bool tLogoprocess::waitFor(Serve serve) {
  assert(currentProcess() != this && "a process cannot wait for itself");
  const auto hasEnded = [this] { return ended(); };
  if (onUiThread()) {
    LockReleased released;
    uiThread().runUntil(hasEnded, SteadyTime::max(), serve | Serve::HandOvers);
    return true;
  }
  tLogoprocess* self = currentProcess();
  return waitReleased(self ? &self->control() : nullptr, hasEnded) == WaitEnd::Ready;
}

tLogoprocess* currentProcess() {
  return runningProcess;
}

int64_t waitUnitsToMilliseconds(int64_t count) {
  if (count < 0) return 0;
  switch (globalOptions().waitUnit) {
    case 1:
      return count * 10;
    case 2:
      return count * 100;
    default:
      return count;
  }
}

}  // namespace lx
