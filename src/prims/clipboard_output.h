// ClipboardOutput: the output stream `printto` opens on the clipboard, the
// only place besides the console that accepts the main object's output.
#pragma once

#include <string>
#include <string_view>

#include "prims/output_destination.h"

namespace lx {

// The text written since the stream was opened replaces the clipboard's
// text at every write, so the clipboard is up to date even if the stream
// is never closed. Opening the stream leaves the clipboard alone.
class ClipboardOutput : public OutputDestination {
 public:
  void write(std::string_view text) override;

 private:
  std::string written_;
};

// True for the words that name the clipboard instead of a file: "clipboard"
// in any letter case, or a spelling of the dictionary's clipboard word.
bool namesClipboard(std::string_view name);

}  // namespace lx
