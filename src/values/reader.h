// The reader: Logo text to values. Words, numbers (keeping their spelling),
// the localized true and false words, and lists in brackets. Any byte
// sequence reads; the only errors are unbalanced brackets.
#pragma once

#include <string_view>

#include "values/list.h"

namespace lx {

enum class ReadMode {
  Sequence,  // the whole text is one sequence of values
  Lines,     // one sub-list per line (procedure bodies)
};

// The values of `text` as a list. A "[" without its "]" is error 194 (unless
// reading leniently), a "]" without its "[" error 48. Nesting of any depth
// reads without recursion.
Ref<tLogoList> readList(std::string_view text, ReadMode mode = ReadMode::Sequence);

// The 1-based line on which the n-th word or number of `text` stands, or -1
// when the text has fewer.
int lineOfToken(std::string_view text, int n);

// While one of these lives, a missing final "]" closes the open lists
// silently (the project loader reads saved text this way).
class LenientReading {
 public:
  LenientReading();
  ~LenientReading();
  LenientReading(const LenientReading&) = delete;
  LenientReading& operator=(const LenientReading&) = delete;
};
bool isReadingLeniently();

}  // namespace lx
