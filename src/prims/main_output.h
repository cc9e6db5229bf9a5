// The main object's text channels: where `print` and its family write, and
// where `readlist`, `readword` and `eof?` read.
//
// Two layers. The standard destination is what the program gives the main
// object: the console's standard output and input, or none in the
// stand-alone runtime. Above it, `printto` (or `printtotextbox`) opens an
// output stream that takes the output until it is closed; closing it returns
// the output to the standard destination, and without one output is dropped.
// Input always comes from the standard destination: the main object cannot
// open an input stream of its own.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "prims/output_destination.h"

namespace lx {

// Set by the console at start-up (none: nothing to write to or read from).
void setStandardDestination(std::shared_ptr<OutputDestination> destination);
std::shared_ptr<OutputDestination> standardDestination();

// Closes the open output stream, if any, and opens `stream`.
void openOutputStream(std::shared_ptr<OutputDestination> stream);
// Closes the open output stream; output goes to the standard destination again.
void closeOutputStream();
bool hasOutputStream();

// Writes to the open stream, else to the standard destination, else nowhere.
void writeMainOutput(std::string_view text);

// The next line of the standard destination's input; none without input or
// at its end.
std::optional<std::string> readMainInputLine();
// Whether there is input and all of it has been read (false without input).
bool mainInputAtEnd();

}  // namespace lx
