// Text for a terminal.
#include "app/terminal_output.h"

#include "platform/codepage.h"

namespace lx {

std::string forTerminal(std::string_view text) {
  std::string utf8 = cp1250ToUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r') {
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
      out += '\n';
    } else {
      out += utf8[i];
    }
  }
  return out;
}

}  // namespace lx
