// OutputDestination: somewhere the main object's printing primitives write
// to, and, for the console, where its reading primitives read from.
//
// Text crossing this interface is internal text (code page 1250) with lines
// ended by CR LF; a destination that shows the text elsewhere (a terminal)
// converts it itself. The routines are called by the Logo process that runs
// the primitive, while it holds the interpreter lock.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lx {

class OutputDestination {
 public:
  virtual ~OutputDestination() = default;

  // Writes `text` as it is: `print` passes a whole line with its CR LF,
  // `type` passes text without a line end.
  virtual void write(std::string_view text) = 0;

  // Whether the destination also supplies text to read. Only the console's
  // does; streams opened by `printto` are write-only.
  virtual bool hasInput() const { return false; }
  // The next line, without its line end; none when the input is exhausted.
  virtual std::optional<std::string> readLine() { return std::nullopt; }
  // True when every line has been read.
  virtual bool atEnd() { return true; }
};

}  // namespace lx
