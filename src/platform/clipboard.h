// The clipboard's text, through the started backend: the system's only
// place for output (`printto`, saving to the clipboard) and a source of
// project text and pasted text.
#pragma once

#include <string>
#include <string_view>

#include "platform/clipboard_text.h"

namespace lx {

// Internal text (code page 1250), lines separated by "\r\n"; empty when the
// clipboard holds no text. Any thread; a backend must have been started.
std::string clipboardText();
void setClipboardText(std::string_view text);
// The clipboard's text for pasting, with what internal text cannot hold
// left out and counted.
ClipboardContent clipboardContent();

}  // namespace lx
