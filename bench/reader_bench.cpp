// Figures for the reader, the printer and list building: reading 1 MB of
// Logo text, printing a list of 100,000 elements, fput and butfirst loops,
// and freeing long and deep lists. Each figure is taken at two sizes so
// that a cost growing faster than the size shows at a glance. Times are
// processor time, not wall-clock time.
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <string>
#include <utility>

#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "values/cell_pool.h"
#include "values/list.h"
#include "values/list_access.h"
#include "values/list_builder.h"
#include "values/list_editing.h"
#include "values/pools.h"
#include "values/reader.h"

namespace {

using namespace lx;
// Processor time of this process: on a machine shared with builds it
// varies far less than wall-clock time.
struct Clock {
  using time_point = std::clock_t;
  static time_point now() { return std::clock(); }
};

double secondsSince(Clock::time_point start) {
  return static_cast<double>(Clock::now() - start) / CLOCKS_PER_SEC;
}

// About `bytes` of procedure text: instructions with words, numbers, quoted
// words, variables, operators and nested lists, lines ending in CR LF.
std::string logoText(size_t bytes) {
  static const char* const lines[] = {
      "repeat 36 [forward 10 right 10 setpencolor [255 0 128]]",
      "make \"size :size * 1.5 + 3e2 - (random 100) / 7",
      "if :count > 10 [print [too many |odd words| here] stop]",
      "ifelse member? \"x [a b c [d e] x] [show \"yes] [show \"no]",
      "to square :side repeat 4 [fd :side rt 90] end ; a comment",
  };
  std::string text;
  text.reserve(bytes + 100);
  for (size_t k = 0; text.size() < bytes; ++k) {
    text += lines[k % 5];
    text += "\r\n";
  }
  return text;
}

// Seconds for `work`: the first run (fresh memory from the system) and
// the best of three more (memory already in the allocator).
template <class Work>
std::pair<double, double> timed(Work work) {
  auto start = Clock::now();
  work();
  const double first = secondsSince(start);
  double best = 1e9;
  for (int k = 0; k < 3; ++k) {
    start = Clock::now();
    work();
    best = std::min(best, secondsSince(start));
  }
  return {first, best};
}

void benchReading(size_t bytes) {
  const std::string text = logoText(bytes);
  const double mb = static_cast<double>(text.size()) / 1e6;
  size_t values = 0, lines = 0;
  const auto [first, best] = timed([&] { values = readList(text)->count(); });
  const auto [firstLines, bestLines] = timed([&] { lines = readList(text, ReadMode::Lines)->count(); });
  std::printf("read %5.2f MB (%zu values): %6.1f MB/s, first run %6.1f MB/s; by lines (%zu): %6.1f MB/s\n", mb,
              values, mb / best, mb / first, lines, mb / bestLines);
  (void)firstLines;
}

Ref<tLogoList> sampleList(size_t n) {
  ListBuilder builder;
  for (size_t k = 0; k < n; ++k) {
    switch (k % 4) {
      case 0: builder.add(makeInt(static_cast<int32_t>(k))); break;
      case 1: builder.add(makeWord("word")); break;
      case 2: builder.add(makeWord("two words")); break;
      default: builder.add(readList("[1 2] x")); break;
    }
  }
  return builder.finish();
}

void benchPrinting(size_t n) {
  const Ref<tLogoList> list = sampleList(n);
  size_t printedSize = 0, shownSize = 0;
  const double print = timed([&] { printedSize = list->printText(0).size(); }).second;
  const double show = timed([&] { shownSize = list->showText(0).size(); }).second;
  std::printf("print %7zu elements: print %7.2f ms (%5.1f MB/s), show %7.2f ms (%5.1f MB/s)\n", n, print * 1e3,
              static_cast<double>(printedSize) / 1e6 / print, show * 1e3,
              static_cast<double>(shownSize) / 1e6 / show);
}

void benchFputButfirst(size_t n) {
  const Value element = makeWord("x");
  auto start = Clock::now();
  Value list = tLogoList::empty();
  for (size_t k = 0; k < n; ++k) list = listFput(*asList(*list), element);
  const double fput = secondsSince(start);
  start = Clock::now();
  while (!list->isEmpty()) list = listButfirst(*asList(*list));
  const double butfirst = secondsSince(start);
  std::printf("%8zu x fput %6.1f ns each, butfirst %6.1f ns each\n", n, fput * 1e9 / static_cast<double>(n),
              butfirst * 1e9 / static_cast<double>(n));
}

void benchFreeing(size_t n) {
  Value list = tLogoList::empty();
  const Value element = makeWord("x");
  for (size_t k = 0; k < n; ++k) list = listFput(*asList(*list), element);
  auto start = Clock::now();
  list = nullptr;
  const double longList = secondsSince(start);
  Value nested = tLogoList::empty();
  for (size_t k = 0; k < n; ++k) nested = tLogoList::cons(nested, nullptr);
  start = Clock::now();
  nested = nullptr;
  const double deep = secondsSince(start);
  std::printf("free %8zu cells: long list %6.2f ms, nested %zu deep %6.2f ms\n", n, longList * 1e3, n, deep * 1e3);
}

}  // namespace

int main() {
  selectLanguage("english");
  selectInterfaceLanguage("english");
  initValuePools();
  initCellPool();
  setLogoProcessThread(true);
  benchReading(1'000'000);
  benchReading(4'000'000);
  benchPrinting(100'000);
  benchPrinting(400'000);
  benchFputButfirst(100'000);
  benchFputButfirst(1'000'000);
  benchFreeing(100'000);
  benchFreeing(1'000'000);
  return 0;
}
