// The word that names the clipboard where a file name is expected: the
// English "clipboard" in any case, or the current language's word for it.
#pragma once

#include <string_view>

namespace lx {

bool isClipboardWord(std::string_view name);

}  // namespace lx
