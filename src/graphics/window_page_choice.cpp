// The page shown after the shown page is erased.
#include "graphics/window_page_choice.h"

#include <algorithm>

namespace lx {

NameCode pageToShowAfterErasing(std::vector<NameCode> codes, NameCode erased) {
  std::sort(codes.begin(), codes.end());
  NameCode candidate = 0;
  bool passed = false;
  for (NameCode code : codes) {
    if (code == erased) {
      passed = true;
      continue;
    }
    if (passed || candidate == 0) candidate = code;
  }
  return candidate;
}

}  // namespace lx
