// The clipboard as an output stream.
#include "prims/clipboard_output.h"

#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "platform/clipboard.h"

namespace lx {

void ClipboardOutput::write(std::string_view text) {
  written_ += text;
  setClipboardText(written_);
}

bool namesClipboard(std::string_view name) {
  if (lowerCase(name) == "clipboard") return true;
  return currentDictionary() && isLocalEntry("other", "clipboard", name);
}

}  // namespace lx
