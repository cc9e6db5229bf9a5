// The world of process tests.
#include "process_world.h"

#include <thread>

#include "interp/evaluator.h"
#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "interp/value_class_tables.h"
#include "interp/variables.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "prims/global_primitives.h"
#include "support/logo_session.h"
#include "support/process_start.h"
#include "values/reader.h"

namespace lx::testing {
namespace {

std::mutex printedMutex;
std::vector<std::string> printedLines;

Value recordPrinted(tLogoStack& stack, int count) {
  std::vector<Value> inputs = stack.takeInputs(count);
  std::string line;
  for (const Value& v : inputs) line += (line.empty() ? "" : " ") + v->printText(0);
  std::lock_guard lock(printedMutex);
  printedLines.push_back(line);
  return nullptr;
}

}  // namespace

void RecordingSink::showError(const std::exception& error) {
  const auto* logoError = dynamic_cast<const eLogoException*>(&error);
  std::lock_guard lock(mutex_);
  codes_.push_back(logoError ? logoError->code : erUnexpected);
}

std::vector<int> RecordingSink::codes() {
  std::lock_guard lock(mutex_);
  return codes_;
}

ProcessTest::ProcessTest() {
  prepareLogoWorld();
  InterpreterLockScope locked;
  initValueClassTables();
  startObjectModel([](tLogoTab& table) {
    registerGlobalPrimitives(table);
    registerObjectPrimitives(table);
    registerPrimitive<tMainPasProcDesc>(table, "print", true, 1u, recordPrinted);
  });
  std::lock_guard lock(printedMutex);
  printedLines.clear();
}

ProcessTest::~ProcessTest() {
  allThreads().killAll();
  InterpreterLockScope locked;
  stopObjectModel();
}

void ProcessTest::run(const std::string& text) {
  start("@test", text)->waitFor();
}

std::shared_ptr<tLogoprocess> ProcessTest::start(const std::string& name, const std::string& text) {
  return startTextProcess(mainObject(), name, text, sink);
}

errorConst ProcessTest::runHere(const std::string& text) {
  InterpreterLockScope locked;
  ScopedThreadState state;
  try {
    runValue(*readList(text));
  } catch (const eLogoException& e) {
    return e.code;
  }
  return erUnexpected;
}

std::string ProcessTest::global(const std::string& name) {
  InterpreterLockScope locked;
  const Value value = mainObject()->globals().valueOrNull(codeOf(name));
  return value ? value->printText(0) : std::string();
}

std::vector<std::string> ProcessTest::printed() {
  std::lock_guard lock(printedMutex);
  return printedLines;
}

size_t ProcessTest::processCount() {
  return allThreads().count();
}

bool ProcessTest::eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  for (;;) {
    {
      InterpreterLockScope locked;
      if (condition()) return true;
    }
    if (std::chrono::steady_clock::now() > until) return false;
    sleepFor(10);
  }
}

void ProcessTest::sleepFor(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace lx::testing
