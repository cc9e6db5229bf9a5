// The "any" word: the language's word for "any" stands for a random value
// wherever a number or a truth value is expected.
#pragma once

#include <string_view>

namespace lx {

bool isTheAnyWord(std::string_view text);

}  // namespace lx
