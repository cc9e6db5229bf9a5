// A world for process tests: the main object with every global and object
// primitive, a `print` that records lines from any process, and helpers to
// run a line in a process as the console does, to wait for a condition and
// to read global variables under the interpreter lock.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "interp/error_sink.h"
#include "core/logo_exception.h"
#include "interp/logo_process.h"

namespace lx::testing {

// Keeps the errors processes report, as their sinks receive them.
class RecordingSink : public tdefaultcommander {
 public:
  void showError(const std::exception& error) override;
  std::vector<int> codes();  // erUnexpected for an error that is no Logo error

 private:
  std::mutex mutex_;
  std::vector<int> codes_;
};

class ProcessTest : public ::testing::Test {
 protected:
  ProcessTest();
  ~ProcessTest() override;

  // Runs the text in a process of the main object and waits for its end.
  void run(const std::string& text);
  // Starts the text in a process of that name, as the interface starts an
  // event's handler, and goes on.
  std::shared_ptr<tLogoprocess> start(const std::string& name, const std::string& text);
  // Runs the text in this thread (no process), under the interpreter lock;
  // answers the Logo error it raised, erUnexpected when none.
  errorConst runHere(const std::string& text);
  // The value of a global variable as printed, "" when it has none.
  std::string global(const std::string& name);
  long number(const std::string& name) { return std::stol(global(name)); }
  std::vector<std::string> printed();
  size_t processCount();
  // Polls `condition` (under the interpreter lock) until it holds or the
  // time is up; answers whether it held.
  bool eventually(const std::function<bool()>& condition,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(5000));
  static void sleepFor(int milliseconds);

  std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
};

}  // namespace lx::testing
