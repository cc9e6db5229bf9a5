// The main object's output and its errors on a terminal: internal text
// turned into UTF-8 with plain line feeds, errors coloured where the
// terminal shows colour.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "prims/output_destination.h"

namespace lx {

// Internal text (code page 1250, CR LF line ends) as a terminal shows it.
std::string forTerminal(std::string_view text);

// An error that left a process as a terminal shows it: the caption on a
// line of its own, then the text (internal text both). With `colour` the
// caption is bold red and the text's first line, the message itself, bold.
std::string errorForTerminal(std::string_view caption, std::string_view text, bool colour);

// Whether text written to the file descriptor may carry colour: it is a
// terminal, TERM is set and not "dumb", and NO_COLOR is not set.
bool terminalShowsColour(int fd);

// Writes the main object's output to a stream; reads nothing.
class TerminalOutput : public OutputDestination {
 public:
  explicit TerminalOutput(std::ostream& out) : out_(out) {}
  void write(std::string_view text) override {
    out_ << forTerminal(text);
    out_.flush();
  }

 private:
  std::ostream& out_;
};

}  // namespace lx
