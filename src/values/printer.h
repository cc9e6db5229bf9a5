// The printer: the print form of values (what `print` writes) and the show
// form (what `show` writes and what is saved, which reads back as an equal
// value). Words quote themselves (show_form.h); this file writes lists.
#pragma once

#include <string>
#include <string_view>

#include "values/list.h"

namespace lx {

enum class TextForm { Print, Show };

// A list's elements separated by one space, between "[" and "]" unless
// `level` is 0. Nested lists of any depth are written without recursion.
std::string listText(const tLogoList& list, int level, TextForm form);
// The print form of each element (level 0), each followed by CR LF.
std::string printLines(const tLogoList& list);
// The print form of a word's text: every CR not followed by a line feed
// becomes CR LF.
std::string wordPrintText(std::string_view text);

}  // namespace lx
