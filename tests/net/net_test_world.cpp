// Reading Logo values in network tests.
#include "net_test_world.h"

#include "interp/evaluator.h"
#include "values/reader.h"

namespace lx::testing {

std::string NetTest::readText(const std::string& expression) {
  InterpreterLockScope locked;
  for (std::string& line : std::exchange(logo.printed, {})) lines.push_back(std::move(line));
  logo.run("print " + expression);
  std::vector<std::string> printed = std::exchange(logo.printed, {});
  return printed.empty() ? std::string() : printed.back();
}

}  // namespace lx::testing
