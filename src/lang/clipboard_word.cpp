// The clipboard's name in file names.
#include "lang/clipboard_word.h"

#include "lang/dictionary.h"
#include "lang/dictionary_table.h"

namespace lx {

bool isClipboardWord(std::string_view name) {
  if (asciiLower(name) == "clipboard") return true;
  return currentDictionary() && isLocalEntry("other", "clipboard", name);
}

}  // namespace lx
