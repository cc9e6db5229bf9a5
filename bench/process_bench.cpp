// Figures of the yield point: every instruction list a process runs starts
// with one. A tight `repeat 1000000 [ ]` runs a million of them: first on a
// plain thread before any process exists (no yield hook: the cost of the
// loop itself), then in a process alone, beside a second process that
// sleeps in `wait`, and (a shorter loop) beside a second busy process, when
// every yield hands the interpreter lock over to the other.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "app/logo_world.h"
#include "interp/evaluator.h"
#include "interp/interpreter_lock.h"
#include "interp/process_list.h"
#include "objects/main_object.h"
#include "values/pools.h"
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

// The best of three runs: the machine may be busy with other work.
double bestOf(const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
  }
  return best;
}

double secondsHere(const std::string& text) {
  lx::ScopedThreadState state;
  const lx::Value list = lx::readList(text);
  return bestOf([&] { lx::runValue(*list); });
}

double secondsFor(const std::string& text) {
  return bestOf([&] { startLine(text)->waitFor(); });
}

void report(const char* what, double seconds, double rounds = 1e6) {
  std::printf("%-58s %.3f s, %.1f ns per round\n", what, seconds, seconds * 1e9 / rounds);
}

}  // namespace

int main() {
  lx::setLogoProcessThread(true);
  if (!lx::buildLogoWorld("english")) {
    std::fprintf(stderr, "no English dictionary\n");
    return 1;
  }
  const std::string loop = "repeat 1000000 [ ]";
  report("repeat 1000000 [ ] on a plain thread, no yield hook:", secondsHere(loop));
  lx::startProcesses();
  {
    lx::InterpreterLockScope locked;
    report("the same holding the lock, with the yield hook:", secondsHere(loop));
  }
  report("the same in one process:", secondsFor(loop));
  startLine("(launch [wait 1000000] \"idle)");
  report("the same beside a process waiting in wait:", secondsFor(loop));
  startLine("(forever [ ] \"busy)");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  report("repeat 20000 [ ] beside a busy forever (hand-over each):", secondsFor("repeat 20000 [ ]"), 2e4);
  lx::allThreads().killAll();
  return 0;
}
