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

// What a "[" still open at the end of the text is.
enum class OpenBrackets {
  Error,       // error 194
  CloseAtEnd,  // closed silently (the project loader reads saved text so)
};

// The values of `text` as a list. A "[" without its "]" is error 194 (or
// closed at the end, as `open` says), a "]" without its "[" error 48.
// Nesting of any depth reads without recursion.
Ref<tLogoList> readList(std::string_view text, ReadMode mode = ReadMode::Sequence,
                        OpenBrackets open = OpenBrackets::Error);

// The 1-based line on which the n-th word or number of `text` stands, or -1
// when the text has fewer.
int lineOfToken(std::string_view text, int n);

}  // namespace lx
