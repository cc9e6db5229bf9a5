// The clipboard's text between the system and the window system: inside,
// internal text (code page 1250) with "\r\n" between lines; on the window
// system's clipboard, UTF-8 with "\n".
#pragma once

#include <string>
#include <string_view>

namespace lx {

std::string clipboardFromInternal(std::string_view internal);
// Lines end in "\r\n" whatever they ended in; characters outside code page
// 1250 become "?".
std::string internalFromClipboard(std::string_view utf8);

// The clipboard's text as internal text with the characters that code page
// 1250 cannot hold left out (not turned into "?"), and how many they were,
// so that whoever pastes it can say so.
struct ClipboardContent {
  std::string text;
  size_t leftOut = 0;
};
ClipboardContent clipboardContentOf(std::string_view utf8);

}  // namespace lx
