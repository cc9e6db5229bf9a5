// The process list and the machinery of stopping processes.
#include "interp/process_list.h"

#include <algorithm>

#include "core/control_exceptions.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "platform/large_stack_thread.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"

namespace lx {
namespace {

// Whether the process runs as the object: it was started as it, or the
// object is its current object now (read under the interpreter lock).
bool runsAs(const tLogoprocess& process, const tlogoobject* object) {
  return process.object().get() == object ||
         (process.state() && process.state()->currentObject.get() == object);
}

bool isSpared(const tLogoprocess& process) {
  return process.name().size() >= 3 && namesEqual(std::string_view(process.name()).substr(0, 3), "%p%");
}

void wakeUiThread() {
  if (startedPlatform()) uiThread().wake();
}

}  // namespace

bool sameProcessName(std::string_view processName, std::string_view name) {
  if (!name.empty() && name.front() == kDictionaryMark)
    return namesEqual(processName, resolveDictionaryWord(name));
  return namesEqual(processName, name);
}

tallthreads::~tallthreads() {
  reapFinished();
}

void tallthreads::add(std::shared_ptr<tLogoprocess> process) {
  std::lock_guard lock(mutex_);
  processes_.push_back(std::move(process));
  live_.fetch_add(1);
}

void tallthreads::remove(const tLogoprocess& process) {
  std::lock_guard lock(mutex_);
  std::erase_if(processes_, [&](const auto& p) { return p.get() == &process; });
}

void tallthreads::attachThread(tLogoprocess& process, std::unique_ptr<LargeStackThread> thread) {
  std::lock_guard lock(mutex_);
  if (process.retired_) {
    retired_.push_back(std::move(thread));
  } else {
    process.thread_ = std::move(thread);
  }
}

void tallthreads::retire(tLogoprocess& process) {
  {
    std::lock_guard lock(mutex_);
    process.retired_ = true;
    if (process.thread_) retired_.push_back(std::move(process.thread_));
  }
  changeAndNotify([&] {
    process.control_.enter(ProcessPhase::Ended);
    live_.fetch_sub(1);
  });
  wakeUiThread();
}

EndNotification tallthreads::takeEndNotification(tLogoprocess& process) {
  std::lock_guard lock(mutex_);
  return std::exchange(process.endNotification_, nullptr);
}

void tallthreads::reapFinished() {
  std::vector<std::unique_ptr<LargeStackThread>> finished;
  {
    std::lock_guard lock(mutex_);
    finished.swap(retired_);
  }
  // A retired thread has nothing left to do but return.
  for (auto& thread : finished) thread->join();
}

std::shared_ptr<tLogoprocess> tallthreads::lastMatching(
    const std::function<bool(const tLogoprocess&)>& matches) {
  std::lock_guard lock(mutex_);
  for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
    if (matches(**it)) return *it;
  }
  return nullptr;
}

void tallthreads::stopAndWait(std::shared_ptr<tLogoprocess> process) {
  process->signalStop();
  // A stopper told to stop meanwhile ends: the processes it stopped end on
  // their own.
  if (!process->waitFor()) throw eTerminateException(false);
}

void tallthreads::stopAll(bool all) {
  const tLogoprocess* caller = currentProcess();
  // Only the processes there are now: one started meanwhile (the next line
  // of the console, say) is not this call's to stop.
  std::vector<std::shared_ptr<tLogoprocess>> stopping;
  {
    std::lock_guard lock(mutex_);
    for (const auto& process : processes_) {
      if (process.get() == caller || (!all && isSpared(*process))) continue;
      process->signalStop();
      stopping.push_back(process);
    }
  }
  // The newest first, as they were registered.
  for (auto it = stopping.rbegin(); it != stopping.rend(); ++it) stopAndWait(*it);
}

void tallthreads::signalStopOthers() {
  const tLogoprocess* caller = currentProcess();
  std::lock_guard lock(mutex_);
  for (const auto& process : processes_) {
    if (process.get() != caller) process->signalStop();
  }
}

bool tallthreads::cancelByName(std::string_view name) {
  const tLogoprocess* caller = currentProcess();
  bool callerNamed = false;
  const auto named = [&](const tLogoprocess& p) {
    if (!sameProcessName(p.name(), name)) return false;
    if (&p != caller) return true;
    callerNamed = true;
    return false;
  };
  while (std::shared_ptr<tLogoprocess> next = lastMatching(named)) stopAndWait(std::move(next));
  return callerNamed;
}

std::string tallthreads::uniqueName(const std::string& base) {
  std::string candidate = base;
  for (int n = 1; exists(candidate); ++n) candidate = base + std::to_string(n);
  return candidate;
}

std::vector<Value> tallthreads::names() {
  std::lock_guard lock(mutex_);
  std::vector<Value> names;
  for (const auto& process : processes_) names.push_back(process->nameValue());
  return names;
}

bool tallthreads::exists(std::string_view name) {
  std::lock_guard lock(mutex_);
  return std::any_of(processes_.begin(), processes_.end(),
                     [&](const auto& p) { return sameProcessName(p->name(), name); });
}

size_t tallthreads::count() {
  std::lock_guard lock(mutex_);
  return processes_.size();
}

void tallthreads::pauseAll() {
  std::lock_guard lock(mutex_);
  for (const auto& process : processes_) process->control().setPaused(true);
}

void tallthreads::resumeAll() {
  std::lock_guard lock(mutex_);
  for (const auto& process : processes_) process->control().setPaused(false);
}

void tallthreads::endProcessesOf(const std::vector<const tlogoobject*>& objects) {
  const tLogoprocess* caller = currentProcess();
  const auto runsAsOne = [&](const tLogoprocess& p) {
    return &p != caller && std::any_of(objects.begin(), objects.end(),
                                       [&](const tlogoobject* object) { return runsAs(p, object); });
  };
  while (std::shared_ptr<tLogoprocess> next = lastMatching(runsAsOne)) stopAndWait(std::move(next));
}

void tallthreads::objectErased(const tlogoobject* object) {
  tLogoprocess* caller = currentProcess();
  std::lock_guard lock(mutex_);
  for (const auto& process : processes_) {
    if (process->notificationData_ == object) process->endNotification_ = nullptr;
    ThreadState* state = process->state();
    if (process.get() == caller) {
      if (state && runsAs(*process, object)) state->endAfterErase = true;
      continue;
    }
    if (runsAs(*process, object)) {
      process->signalStop();
      continue;
    }
    if (!state) continue;
    std::erase_if(state->objectList, [&](const Value& v) { return v.get() == object; });
    for (Value& saved : state->objectStack) {
      if (saved.get() == object) saved = erasedContext();
    }
  }
}

void tallthreads::forgetNotifications(const void* data) {
  std::lock_guard lock(mutex_);
  for (const auto& process : processes_) {
    if (process->notificationData_ == data) process->endNotification_ = nullptr;
  }
}

bool tallthreads::waitUntilEmpty(SteadyTime deadline) {
  // Checked under the wait mutex, so it must not take the list lock.
  const auto empty = [this] { return live_.load() == 0; };
  if (startedPlatform() && uiThread().isCurrent()) {
    LockReleased released;
    uiThread().runUntil(empty, deadline, Serve::HandOvers);
  } else {
    waitReleased(nullptr, empty, deadline);
  }
  return empty();
}

void tallthreads::killAll() {
  stopAll(true);
  reapFinished();
}

tallthreads& allThreads() {
  return scheduler().processes();
}

}  // namespace lx
