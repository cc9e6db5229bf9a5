// tLogoprocess: a Logo process, one thread with an interpreter state of its
// own that runs one instruction list (an event handler, the body of
// `launch`, a console line...). Processes take turns at the interpreter
// lock; a process holds it while it runs Logo code, hands it over at a
// yield point when its slice is up, and gives it up for every wait. Its
// phase (scheduler.h) says where it is in its life.
//
// Ownership: the process list and the process's own thread share the
// process. Every Logo value the process holds is released by its thread
// under the interpreter lock before the thread lets the lock go for the
// last time, so the object itself may die on any thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interp/error_sink.h"
#include "core/logo_exception.h"
#include "interp/process_waits.h"
#include "platform/ui_thread.h"
#include "core/value.h"

namespace lx {

class LargeStackThread;
class tLogoTab;
struct ThreadState;

// Runs when a process has ended, on the user-interface thread, while the
// ending process still holds the interpreter lock.
using EndNotification = std::function<void()>;

// What the creator of a process gives it.
struct ProcessStart {
  std::string name;
  NameCode nameCode = 0;  // the event or procedure it runs for; 0: none
  tInprocType kind = ipNone;
  Value object;                                    // its current object at start; none: the main object
  tLogoTab* table = nullptr;                       // searched first; may be none
  std::vector<std::pair<NameCode, Value>> locals;  // bound in its first frame
  std::vector<Value> objectList;                   // the objects addressed at start
  std::shared_ptr<ErrorSink> sink;                 // none: the default sink
  Value list;                                      // the instructions it runs
  EndNotification endNotification;
  const void* notificationData = nullptr;  // the object the notification is about
  // Run on the process's thread under the interpreter lock: once its state
  // is built, and once its body has ended (a console hands what its lines
  // share from one line's process to the next).
  std::function<void(ThreadState&)> stateReady;
  std::function<void(ThreadState&)> stateDone;
};

class tLogoprocess : public std::enable_shared_from_this<tLogoprocess> {
 public:
  explicit tLogoprocess(ProcessStart start);
  virtual ~tLogoprocess();
  tLogoprocess(const tLogoprocess&) = delete;
  tLogoprocess& operator=(const tLogoprocess&) = delete;

  // Registers the process in the process list and starts its thread.
  static std::shared_ptr<tLogoprocess> start(std::shared_ptr<tLogoprocess> process);

  const std::string& name() const { return name_; }
  // The name as `allprocesses` lists it.
  virtual Value nameValue() const;
  tInprocType kind() const { return kind_; }
  const Value& object() const { return object_; }
  ProcessControl& control() { return control_; }
  const ProcessControl& control() const { return control_; }
  // The interpreter state while the thread runs; only the holder of the
  // interpreter lock may look into it.
  ThreadState* state() const { return state_; }

  // Asks the process to stop; it ends at its next instruction or wait.
  void signalStop() { control_.requestStop(); }
  // Whether the thread has done all its work.
  bool ended() const { return control_.phase() == ProcessPhase::Ended; }
  // Waits until the thread has ended, with the interpreter lock released.
  // A process that waits is itself stopped by a stop request: it answers
  // false at once, and the caller ends. The user-interface thread serves
  // `serve` meanwhile (at least hand-overs).
  bool waitFor(Serve serve = Serve::HandOvers);

  const void* notificationData() const { return notificationData_; }
  // The object the notification was about is gone: the notification is dropped.
  void forgetNotification();

  // Waits `count` wait units (the `wait` primitive's wait); raises the
  // end of the process when it is told to stop meanwhile. Only the
  // process's own thread calls it.
  void waitUnits(int32_t count);
  // The same wait, until a moment on the program's clock.
  void waitUntil(SteadyTime until);

  // The sink the process reports through (processes it starts inherit it).
  const std::shared_ptr<ErrorSink>& errorSink() const { return sink_; }

  // Runs the thread's work; only the process list calls it.
  void execute();

 protected:
  // The kind's own work; ends normally or by an exception.
  virtual void body(ThreadState& state);
  // Runs `list` once as the top of the process.
  void runListOnce(ThreadState& state);
  const Value& list() const { return list_; }
  // Drops the values a kind keeps of its own; called under the interpreter
  // lock when the process cleans up.
  virtual void releaseValues() {}

 private:
  friend class tallthreads;

  void buildState(ThreadState& state);
  void run(ThreadState& state);
  void report(const std::exception& error);
  void cleanUp(ThreadState& state);
  void notifyEnd();

  std::string name_;
  NameCode nameCode_;
  tInprocType kind_;
  Value object_;
  tLogoTab* table_;
  std::vector<std::pair<NameCode, Value>> locals_;
  std::vector<Value> objectList_;
  std::shared_ptr<ErrorSink> sink_;
  Value list_;
  EndNotification endNotification_;  // guarded by the process list's lock
  const void* notificationData_;
  std::function<void(ThreadState&)> stateReady_;
  std::function<void(ThreadState&)> stateDone_;

  ProcessControl control_;
  ThreadState* state_ = nullptr;
  bool retired_ = false;                      // guarded by the process list's lock
  std::unique_ptr<LargeStackThread> thread_;  // guarded by the process list's lock
};

// The process whose thread is calling, or none.
tLogoprocess* currentProcess();

// Converts a count of wait units to milliseconds by the current wait unit.
int64_t waitUnitsToMilliseconds(int64_t count);

}  // namespace lx
