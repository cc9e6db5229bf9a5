// The main object's output on a terminal: internal text turned into UTF-8
// with plain line feeds.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "prims/output_destination.h"

namespace lx {

// Internal text (code page 1250, CR LF line ends) as a terminal shows it.
std::string forTerminal(std::string_view text);

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
