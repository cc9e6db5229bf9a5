// Figures of the evaluator: procedure calls (fib 25, about 250 000 calls,
// should take well under 0.3 s), a tail-recursive loop of a million rounds
// (in constant memory), and a repeat loop of simple arithmetic.
#include <chrono>
#include <cstdio>
#include <string>

#include "app/logo_world.h"
#include "interp/evaluator.h"
#include "interp/procedure_definition.h"
#include "interp/procedure_resolver.h"
#include "platform/large_stack_thread.h"
#include "values/pools.h"
#include "values/reader.h"

namespace {

double secondsFor(const std::string& text) {
  const auto start = std::chrono::steady_clock::now();
  lx::runValue(*lx::readList(text));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void define(const char* text) { lx::defineProcedure(lx::globalProcedures(), lx::procedureFromText(text)); }

}  // namespace

int main() {
  lx::runOnLargeStack([] {
    lx::setLogoProcessThread(true);
    if (!lx::buildLogoWorld("english")) {
      std::fprintf(stderr, "no English dictionary\n");
      return;
    }
    lx::ScopedThreadState state;
    define("to fib :n\nif :n < 2 [output :n]\noutput (fib :n - 1) + (fib :n - 2)\nend");
    define("to down :n\nif :n = 0 [stop]\ndown :n - 1\nend");
    const double fib = secondsFor("make \"r fib 25");
    std::printf("fib 25 (242785 calls): %.3f s, %.0f ns per call\n", fib, fib * 1e9 / 242785);
    const double tail = secondsFor("down 1000000");
    std::printf("tail-recursive loop of 1000000 rounds: %.3f s, frames left %zu\n", tail,
                lx::threadState().locals.frameCount());
    const double loop = secondsFor("make \"s 0 repeat 1000000 [make \"s :s + repcount]");
    std::printf("repeat 1000000 with make and +: %.3f s\n", loop);
  });
  return 0;
}
