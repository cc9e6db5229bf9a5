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

}  // namespace lx
