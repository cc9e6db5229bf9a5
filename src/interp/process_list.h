// tallthreads: the list of all processes, in registration order, with its
// own lock; the scheduler owns it. Lock order: the list lock may be taken
// while holding the interpreter lock, never the other way round; whoever
// waits for a process lets the list lock go first. The wait mutex may be
// taken while holding the list lock (a stop request), never the reverse.
//
// Every wait for another process (cancel, stopall, erasing an object whose
// processes run) is a wait of the caller too: a caller told to stop
// meanwhile stops waiting and ends (eTerminateException), leaving the
// processes it stopped to end on their own. So processes that stop each
// other always all end.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "interp/logo_process.h"
#include "platform/clock.h"

namespace lx {

class tallthreads {
 public:
  tallthreads() = default;
  ~tallthreads();
  tallthreads(const tallthreads&) = delete;
  tallthreads& operator=(const tallthreads&) = delete;

  void add(std::shared_ptr<tLogoprocess> process);
  void remove(const tLogoprocess& process);
  // The thread of a process that was just started.
  void attachThread(tLogoprocess& process, std::unique_ptr<LargeStackThread> thread);
  // The last step of a process's thread: marks it ended and hands its thread
  // to the list, to be joined by the next registration or reap.
  void retire(tLogoprocess& process);
  // Takes the end notification out of the process (none when it was dropped).
  EndNotification takeEndNotification(tLogoprocess& process);
  // Joins the threads of processes that have ended.
  void reapFinished();

  // Stops every process but the caller, waiting for each; with `all` false
  // the processes whose name begins with "%p%" are spared.
  void stopAll(bool all);
  // Tells every process but the caller to stop, without waiting.
  void signalStopOthers();
  // Stops, waiting for each, the other processes of that name; answers
  // whether the caller bears the name itself.
  bool cancelByName(std::string_view name);
  // `base`, or `base` with the first number appended that makes it unique.
  std::string uniqueName(const std::string& base);
  // The names of all processes, as values, in registration order.
  std::vector<Value> names();
  bool exists(std::string_view name);
  size_t count();
  void pauseAll();
  void resumeAll();
  // Objects are about to be taken apart: stops the processes that run as
  // any of them (their start object or their current object) and waits
  // until they have ended, with the interpreter lock released meanwhile.
  // The caller itself, when it runs as one of them, goes on (it ends after
  // its erase).
  void endProcessesOf(const std::vector<const tlogoobject*>& objects);
  // An object is being taken apart; never lets the interpreter lock go. A
  // process still running as it (one started while its processes ended) is
  // told to stop, and ends before it runs Logo code again; the caller, when
  // it runs as the object, is marked to end after its erase; the others
  // forget the object. Called under the interpreter lock.
  void objectErased(const tlogoobject* object);
  // Drops the end notifications about `data`.
  void forgetNotifications(const void* data);
  // Waits until every process has ended or the deadline passed; answers
  // whether none is left.
  bool waitUntilEmpty(SteadyTime deadline = SteadyTime::max());
  // Program end: stops every process, waits for them and joins their threads.
  void killAll();

 private:
  std::shared_ptr<tLogoprocess> lastMatching(const std::function<bool(const tLogoprocess&)>& matches);
  void stopAndWait(std::shared_ptr<tLogoprocess> process);

  std::mutex mutex_;
  std::vector<std::shared_ptr<tLogoprocess>> processes_;    // guarded by mutex_
  std::vector<std::unique_ptr<LargeStackThread>> retired_;  // guarded by mutex_
  std::atomic<size_t> live_{0};                             // processes registered and not yet ended
};

tallthreads& allThreads();

// Whether a process name equals `name` by the language's name comparison;
// a name beginning with the dictionary mark is translated first.
bool sameProcessName(std::string_view processName, std::string_view name);

}  // namespace lx
