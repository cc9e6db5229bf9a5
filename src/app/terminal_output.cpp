// Text for a terminal.
#include "app/terminal_output.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

std::string errorForTerminal(std::string_view caption, std::string_view text, bool colour) {
  const std::string shownCaption = forTerminal(caption);
  const std::string shownText = forTerminal(text);
  if (!colour) return shownCaption + "\n" + shownText + "\n";
  const size_t firstLineEnd = std::min(shownText.find('\n'), shownText.size());
  return "\x1b[1;31m" + shownCaption + "\x1b[0m\n\x1b[1m" + shownText.substr(0, firstLineEnd) + "\x1b[0m" +
         shownText.substr(firstLineEnd) + "\n";
}

bool terminalShowsColour(int fd) {
  const char* term = std::getenv("TERM");
  const char* noColour = std::getenv("NO_COLOR");
  if (noColour && *noColour) return false;
  return isatty(fd) && term && *term && std::strcmp(term, "dumb") != 0;
}

}  // namespace lx
