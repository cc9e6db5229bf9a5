#include "support/process_start.h"

#include "interp/scheduler.h"
#include "values/reader.h"

namespace lx::testing {

std::shared_ptr<tLogoprocess> startTextProcess(tlogoobject* object, const std::string& name, const std::string& text,
                                               std::shared_ptr<ErrorSink> sink) {
  InterpreterLockScope locked;
  ProcessStart start;
  start.name = name;
  start.object = Value(object);
  start.sink = std::move(sink);
  start.list = readList(text);
  return tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
}

}  // namespace lx::testing
