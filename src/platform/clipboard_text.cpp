// Converting the clipboard's text.
#include "platform/clipboard_text.h"

#include "platform/codepage.h"

namespace lx {

std::string clipboardFromInternal(std::string_view internal) {
  std::string lines;
  lines.reserve(internal.size());
  for (size_t i = 0; i < internal.size(); ++i) {
    if (internal[i] == '\r' && i + 1 < internal.size() && internal[i + 1] == '\n') continue;
    lines += internal[i];
  }
  return cp1250ToUtf8(lines);
}

std::string internalFromClipboard(std::string_view utf8) {
  const std::string text = utf8ToCp1250(utf8).text;
  std::string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      lines += "\r\n";
    } else {
      lines += text[i];
    }
  }
  return lines;
}

}  // namespace lx
