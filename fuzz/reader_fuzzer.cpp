// Feeds arbitrary bytes to the reader and the printer. Beyond not crashing,
// it checks that the show form is stable: reading the show form of what was
// read gives a value that shows the same, and that is equal to the first
// (unless a word holds a line feed, which the show form writes as a line
// break and reads back as a CR).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "platform/message_box.h"
#include "values/list.h"
#include "values/pools.h"
#include "values/cell_pool.h"
#include "values/printer.h"
#include "values/reader.h"

namespace {

using namespace lx;

// True when some word anywhere in the list holds a line feed.
bool holdsLineFeed(const tLogoList& list) {
  std::vector<const tLogoList*> work{&list};
  while (!work.empty()) {
    const tLogoList* current = work.back();
    work.pop_back();
    for (const Value& element : *current) {
      if (const tLogoList* inner = asList(*element))
        work.push_back(inner);
      else if (element->wordText().find('\n') != std::string::npos)
        return true;
    }
  }
  return false;
}

void checkRoundTrip(const Ref<tLogoList>& read) {
  const std::string shown = read->showText(0);
  read->printText(0);
  printLines(*read);
  const Ref<tLogoList> again = readList(shown);
  if (again->showText(0) != shown) std::abort();
  if (!holdsLineFeed(*read) && !read->equals(*again)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setMessageBoxEcho(false);
  selectLanguage("english");
  selectInterfaceLanguage("english");
  initValuePools();
  initCellPool();
  setLogoProcessThread(true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks how to read; the rest is the text.
  const uint8_t how = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    if (how & 1) {
      LenientReading lenient;
      checkRoundTrip(readList(text, (how & 2) ? ReadMode::Lines : ReadMode::Sequence));
    } else {
      checkRoundTrip(readList(text, (how & 2) ? ReadMode::Lines : ReadMode::Sequence));
    }
  } catch (const eLogoException&) {
  }
  lineOfToken(text, how);
  return 0;
}
