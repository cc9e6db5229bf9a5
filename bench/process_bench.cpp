// Figures of the yield point: every instruction list a process runs starts
// with one. A tight `repeat 1000000 [ ]` runs a million of them, alone,
// beside a second process that sleeps in `wait`, and beside a second busy
// process (then every yield hands the interpreter lock over).
#include <chrono>
#include <cstdio>
#include <string>

#include "app/logo_world.h"
#include "interp/interpreter_lock.h"
#include "interp/process_list.h"
#include "objects/main_object.h"
#include "values/reader.h"

namespace {

std::shared_ptr<lx::tLogoprocess> startLine(const std::string& text) {
  lx::InterpreterLockScope locked;
  lx::ProcessStart start;
  start.name = "@bench";
  start.object = lx::Value(lx::mainObject());
  start.list = lx::readList(text);
  return lx::tLogoprocess::start(std::make_shared<lx::tLogoprocess>(std::move(start)));
}

double secondsFor(const std::string& text) {
  const auto begin = std::chrono::steady_clock::now();
  startLine(text)->waitFor();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

void report(const char* what, double seconds) {
  std::printf("%-52s %.3f s, %.1f ns per yield\n", what, seconds, seconds * 1e9 / 1e6);
}

}  // namespace

int main() {
  if (!lx::buildLogoWorld("english")) {
    std::fprintf(stderr, "no English dictionary\n");
    return 1;
  }
  const std::string loop = "repeat 1000000 [ ]";
  report("repeat 1000000 [ ], one process:", secondsFor(loop));
  startLine("(launch [wait 1000000] \"idle)");
  report("the same beside a process waiting in wait:", secondsFor(loop));
  startLine("(forever [ ] \"busy)");
  report("the same beside a busy forever process:", secondsFor(loop));
  lx::allThreads().killAll();
  return 0;
}
