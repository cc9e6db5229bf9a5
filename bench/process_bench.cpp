// Figures of processes sharing the interpreter lock:
// - the rate of one busy process, `forever [make "c :c + 1]`, alone;
// - 2, 4 and 8 such processes side by side: their total rate as a share of
//   one alone, and the smallest and largest share any one of them got of
//   its fair part (the total divided by their number);
// - the time from starting a process (as an event starts its handler, and
//   by `launch`) until it runs its first instruction, while two busy
//   processes hold the machine;
// - the cost of an uncontended yield point over a plain loop.
// With --sweep the figures of the shared runs follow for several slices.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/logo_world.h"
#include "interp/evaluator.h"
#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "interp/yield_point.h"
#include "objects/main_object.h"
#include "values/pools.h"
#include "values/reader.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kRunSeconds = 2.0;

std::atomic<int64_t> markedAt{0};  // nanoseconds of the steady clock; 0: not yet

int64_t nowNanos() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

std::shared_ptr<lx::tLogoprocess> startLine(const std::string& name, const std::string& text) {
  lx::InterpreterLockScope locked;
  lx::ProcessStart start;
  start.name = name;
  start.object = lx::Value(lx::mainObject());
  start.list = lx::readList(text);
  return lx::tLogoprocess::start(std::make_shared<lx::tLogoprocess>(std::move(start)));
}

long counter(const std::string& name) {
  lx::InterpreterLockScope locked;
  const lx::Value value = lx::mainObject()->globals().valueOrNull(lx::codeOf(name));
  return value ? std::stol(value->printText(0)) : 0;
}

void stopEverything() {
  lx::allThreads().killAll();
}

// Runs n busy counters for the run time; gives each one's count per second.
std::vector<double> busyRates(int n) {
  for (int i = 0; i < n; ++i) startLine("counter", "make \"c" + std::to_string(i) + " 0");
  lx::allThreads().waitUntilEmpty();
  const auto begin = Clock::now();
  {
    lx::InterpreterLockScope locked;  // they all start queued, none ahead
    for (int i = 0; i < n; ++i) {
      const std::string c = "c" + std::to_string(i);
      startLine("busy" + c, "forever [make \"" + c + " :" + c + " + 1]");
    }
  }
  std::this_thread::sleep_for(std::chrono::duration<double>(kRunSeconds));
  stopEverything();
  const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
  std::vector<double> rates;
  for (int i = 0; i < n; ++i) rates.push_back(counter("c" + std::to_string(i)) / seconds);
  return rates;
}

void reportShared(int n, double alone) {
  const std::vector<double> rates = busyRates(n);
  double total = 0;
  for (double r : rates) total += r;
  const double fair = total / n;
  const auto [least, most] = std::minmax_element(rates.begin(), rates.end());
  std::printf("%d busy processes: total %5.1f %% of one alone; each got %5.1f..%5.1f %% of its fair part\n",
              n, 100 * total / alone, 100 * *least / fair, 100 * *most / fair);
}

struct Latency {
  double median = 0, worst = 0;  // milliseconds
};

Latency summary(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

std::atomic<int64_t> launchedAt{0};

// Two busy processes hold the machine while `start` starts a process that
// runs `benchmark.mark` first; gives the milliseconds from the moment
// `launchedAt` holds to the mark, over 40 rounds.
Latency startLatency(const std::function<void()>& start) {
  startLine("busy1", "forever [make \"c1 1]");
  startLine("busy2", "forever [make \"c2 2]");
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::vector<double> ms;
  for (int i = 0; i < 40; ++i) {
    markedAt = 0;
    launchedAt = 0;
    start();
    while (markedAt == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    ms.push_back((markedAt - launchedAt) / 1e6);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  stopEverything();
  return summary(ms);
}

void registerMarks() {
  lx::InterpreterLockScope locked;
  lx::tLogoTab& table = lx::mainObject()->procedures();
  lx::registerLiteral<lx::tMainPasProcDesc0p>(table, "benchmark.mark", false, [] {
    markedAt = nowNanos();
    return lx::Value();
  });
  lx::registerLiteral<lx::tMainPasProcDesc0p>(table, "benchmark.from", false, [] {
    launchedAt = nowNanos();
    return lx::Value();
  });
}

// Nanoseconds per uncontended yield point, over an empty loop: in a state
// whose thread holds the lock and nobody waits for it.
double yieldCost() {
  constexpr long kRounds = 200'000'000;
  lx::InterpreterLockScope locked;
  lx::ScopedThreadState scoped;
  lx::ThreadState& state = scoped.state();
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    auto begin = Clock::now();
    for (long i = 0; i < kRounds; ++i) asm volatile("" ::: "memory");
    const double plain = std::chrono::duration<double>(Clock::now() - begin).count();
    begin = Clock::now();
    for (long i = 0; i < kRounds; ++i) {
      lx::yieldPoint(state);
      asm volatile("" ::: "memory");
    }
    const double yielding = std::chrono::duration<double>(Clock::now() - begin).count();
    best = std::min(best, (yielding - plain) * 1e9 / kRounds);
  }
  return best;
}

void reportLatencies() {
  // As the user-interface thread starts an event's handler: from this
  // thread, taking the lock to start it.
  const Latency event = startLatency([] {
    launchedAt = nowNanos();
    startLine("handler", "benchmark.mark");
  });
  std::printf("start of a process as an event starts it, beside 2 busy: median %.2f ms, worst %.2f ms\n",
              event.median, event.worst);
  const Latency launch = startLatency([] { startLine("starter", "benchmark.from launch [benchmark.mark]"); });
  std::printf("start of a process by launch, beside 2 busy:             median %.2f ms, worst %.2f ms\n",
              launch.median, launch.worst);
}

}  // namespace

int main(int argc, char** argv) {
  lx::setLogoProcessThread(true);
  if (!lx::buildLogoWorld("english")) {
    std::fprintf(stderr, "no English dictionary\n");
    return 1;
  }
  registerMarks();
  const bool sweep = argc > 1 && std::strcmp(argv[1], "--sweep") == 0;
  std::printf("uncontended yield point: %.2f ns over a plain loop\n", yieldCost());
  const std::vector<double> one = busyRates(1);
  std::printf("1 busy process: %.0f rounds per second\n", one[0]);
  std::printf("slice %lld us\n", static_cast<long long>(lx::scheduler().lock().slice().count()));
  for (int n : {2, 4, 8}) reportShared(n, one[0]);
  reportLatencies();
  if (!sweep) return 0;
  for (int us : {500, 1000, 2000, 3000, 5000}) {
    lx::scheduler().lock().setSlice(std::chrono::microseconds(us));
    std::printf("\nslice %d us\n", us);
    for (int n : {2, 8}) reportShared(n, one[0]);
    reportLatencies();
  }
  return 0;
}
