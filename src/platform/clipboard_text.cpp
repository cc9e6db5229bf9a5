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

// Most text converts exactly in one go; only text with characters that have
// no internal byte is walked character by character to leave them out.
ClipboardContent clipboardContentOf(std::string_view utf8) {
  if (utf8ToCp1250(utf8).exact) return {internalFromClipboard(utf8), 0};
  std::string kept;
  kept.reserve(utf8.size());
  size_t leftOut = 0;
  size_t at = 0;
  while (at < utf8.size()) {
    size_t end = at + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    const std::string_view character = utf8.substr(at, end - at);
    if (utf8ToCp1250(character).exact) {
      kept += character;
    } else {
      ++leftOut;
    }
    at = end;
  }
  return {internalFromClipboard(kept), leftOut};
}

}  // namespace lx
