// The test session's world.
#include "support/logo_session.h"

#include <gtest/gtest.h>

#include "interp/evaluator.h"
#include "interp/exit_descs.h"
#include "interp/logo_proc_desc.h"
#include "interp/primitive_descs.h"
#include "interp/procedure_resolver.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "interp/value_class_tables.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "platform/message_box.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx::testing {
namespace {

LogoSession* current = nullptr;

Value recordPrinted(tLogoStack& stack, int count) {
  std::vector<Value> inputs = stack.takeInputs(count);
  std::string line;
  for (const Value& v : inputs) line += (line.empty() ? "" : " ") + v->printText(0);
  current->printed.push_back(line);
  return nullptr;
}

}  // namespace

void prepareLogoWorld() {
  static const bool prepared = [] {
    selectLanguage("english");
    selectInterfaceLanguage("english");
    initValuePools();
    setMessageBoxEcho(false);
    return true;
  }();
  (void)prepared;
  setLogoProcessThread(true);
}

LogoSession::LogoSession() {
  prepareLogoWorld();
  initValueClassTables();
  tLogoTab& global = globalProcedures();
  global.eraseAll();
  registerOperators(global);
  registerPrimitive<tOutput>(global, "output");
  registerPrimitive<tStop>(global, "stop");
  registerPrimitive<tMainPasProcDesc>(global, "print", true, 1u, recordPrinted);
  current = this;
}

// Events raised during a test run as processes; none may outlive the
// session whose `print` they use.
LogoSession::~LogoSession() {
  waitForProcesses();
  allThreads().killAll();
  current = nullptr;
}

void LogoSession::waitForProcesses() {
  EXPECT_TRUE(allThreads().waitUntilEmpty(std::chrono::steady_clock::now() + std::chrono::seconds(20)))
      << "processes still running";
}

// Logo runs under the interpreter lock, here as in every process: the
// event processes the text starts share its values.
void LogoSession::run(const std::string& text) {
  InterpreterLockScope locked;
  Ref<tLogoList> list = readList(text);
  runValue(*list);
}

std::vector<std::string> LogoSession::takePrinted() {
  InterpreterLockScope locked;
  return std::exchange(printed, {});
}

errorConst LogoSession::errorOf(const std::string& text) {
  InterpreterLockScope locked;  // the error's values too
  try {
    run(text);
  } catch (const eLogoException& e) {
    lastError = e;
    return e.code;
  }
  return erUnexpected;
}

void LogoSession::define(const std::string& name, const std::vector<std::string>& params,
                         const std::string& body) {
  InterpreterLockScope locked;
  std::vector<NameCode> codes;
  for (const std::string& p : params) codes.push_back(codeOf(p));
  globalProcedures().add(
      std::make_unique<tLogoProcDescF>(codeOf(name), codes, Value(readList(body, ReadMode::Lines))));
}

}  // namespace lx::testing
