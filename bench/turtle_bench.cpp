// Figures of turtle drawing: `repeat 100000 [forward 1 right 1]` with the
// pen down and the turtle shown, headless, on the console window's page while the
// user-interface thread paints what the turtle invalidates (target: under
// 0.5 s); then the same with a wide pen, and with the turtle hidden.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/console_page.h"
#include "app/logo_world.h"
#include "interp/evaluator.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "platform/large_stack_thread.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "values/pools.h"
#include "values/reader.h"

namespace {

double secondsFor(const std::string& text) {
  const auto start = std::chrono::steady_clock::now();
  lx::runValue(*lx::readList(text));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void runFigures() {
  lx::ScopedThreadState state;
  lx::makeConsoleWindow();
  lx::CurrentObjectScope asTurtle(lx::threadState(), lx::Value(lx::consoleTarget()));
  const double shown = secondsFor("repeat 100000 [forward 1 right 1]");
  std::printf("repeat 100000 [forward 1 right 1], pen down, turtle shown: %.3f s (%.2f us per move)\n", shown,
              shown * 1e6 / 100000);
  const double wide = secondsFor("clearscreen setpenwidth 5 repeat 100000 [forward 1 right 1]");
  std::printf("the same with a pen 5 pixels wide: %.3f s\n", wide);
  const double hidden = secondsFor("clearscreen setpenwidth 1 hideturtle repeat 100000 [forward 1 right 1]");
  std::printf("the same with a thin pen and the turtle hidden: %.3f s\n", hidden);
  const double turning = secondsFor("repeat 100000 [right 1 right 1]");
  std::printf("repeat 100000 [right 1 right 1] (the cost of two commands alone): %.3f s\n", turning);
  const double penUp = secondsFor("penup repeat 100000 [forward 1 right 1] pendown");
  std::printf("repeat 100000 [forward 1 right 1] with the pen up, hidden: %.3f s\n", penUp);
  const double wrapping = secondsFor("clearscreen showturtle right 1 repeat 1000 [forward 5000]");
  std::printf("repeat 1000 [forward 5000] wrapping across the page: %.3f s\n", wrapping);
  lx::forgetConsoleWindow();
}

}  // namespace

int main() {
  lx::startPlatform(lx::BackendRequest::Headless);
  std::atomic<bool> finished{false};
  lx::LargeStackThread logo([&] {
    lx::setLogoProcessThread(true);
    if (lx::buildLogoWorld("english"))
      runFigures();
    else
      std::fprintf(stderr, "no English dictionary\n");
    lx::stopObjectModel();
    finished = true;
    lx::uiThread().wake();
  });
  lx::uiThread().runUntil([&] { return finished.load(); });
  logo.join();
  lx::stopPlatform();
  return 0;
}
