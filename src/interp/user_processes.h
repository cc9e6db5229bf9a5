// The processes that Logo code starts itself: `launch` runs its list once,
// `forever` again and again, `every` runs it and then waits its interval,
// `after` waits its interval and runs it once. Each keeps its name as the
// Logo value it was given.
#pragma once

#include "interp/logo_process.h"

namespace lx {

class tLogouserProcess : public tLogoprocess {
 public:
  tLogouserProcess(ProcessStart start, Value nameValue)
      : tLogoprocess(std::move(start)), nameValue_(std::move(nameValue)) {}
  Value nameValue() const override { return nameValue_; }

 protected:
  // Drops the name while the thread still holds the interpreter lock.
  void releaseValues() override { nameValue_ = nullptr; }

 private:
  Value nameValue_;
};

class tLogoForeverProcess : public tLogouserProcess {
 public:
  using tLogouserProcess::tLogouserProcess;

 protected:
  void body(ThreadState& state) override;
};

// The interval counts in the wait unit of the moment it is waited. Rounds
// are due an interval apart, counted from when `every` was called, so the
// rhythm drifts neither with the rounds' own time nor with when the
// process's thread got going.
class tLogoEveryProcess : public tLogouserProcess {
 public:
  tLogoEveryProcess(ProcessStart start, Value nameValue, int32_t interval)
      : tLogouserProcess(std::move(start), std::move(nameValue)), interval_(interval) {}

 protected:
  void body(ThreadState& state) override;

 private:
  int32_t interval_;
  SteadyTime called_ = clockNow();
};

// Runs its list once, the interval after `after` was called.
class tLogoAfterProcess : public tLogouserProcess {
 public:
  tLogoAfterProcess(ProcessStart start, Value nameValue, int32_t interval)
      : tLogouserProcess(std::move(start), std::move(nameValue)), interval_(interval) {}

 protected:
  void body(ThreadState& state) override;

 private:
  int32_t interval_;
  SteadyTime called_ = clockNow();
};

// The process that resets the whole system and loads a project: named
// "@clean", it runs the full reset that the program installs.
class tcleaningthread : public tLogoprocess {
 public:
  using FullReset = std::function<void(const std::string& fileName, int options)>;
  tcleaningthread(Value mainObject, std::string fileName, int options);
  static void setFullReset(FullReset reset);

 protected:
  void body(ThreadState& state) override;

 private:
  std::string fileName_;
  int options_;
};

}  // namespace lx
