// A Logo session for tests: the English dictionaries, the value pools, the
// value-class tables and operators, and a thread state, with helpers to run
// Logo text and see what it printed or which error it raised.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/logo_exception.h"
#include "interp/thread_state.h"

namespace lx::testing {

// Prepares the process-wide parts once (dictionaries, pools, tables).
void prepareLogoWorld();

class LogoSession {
 public:
  // Fresh global procedures with the operators, `output`, `stop` and a
  // `print` that records each printed line.
  LogoSession();
  ~LogoSession();

  // Waits until every process (raised events among them) has ended.
  void waitForProcesses();

  // Runs `text` as top-level instructions.
  void run(const std::string& text);
  // Runs `text` and answers the code of the Logo error it raised
  // (erUnexpected when none); the error itself stays in `lastError`.
  errorConst errorOf(const std::string& text);
  // Defines a procedure from parameter names and body lines ("\n" between lines).
  void define(const std::string& name, const std::vector<std::string>& params, const std::string& body);

  // What `print` printed, taken away; under the interpreter lock, since
  // processes print too.
  std::vector<std::string> takePrinted();

  std::vector<std::string> printed;
  std::optional<eLogoException> lastError;

 private:
  ScopedThreadState state_;
};

}  // namespace lx::testing
