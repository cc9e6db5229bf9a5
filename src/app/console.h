// The console: runs Logo text from a script in line mode, as the main
// object, with the main object's output on standard output and uncaught
// errors on standard error, and goes on after an error.
#pragma once

#include <iosfwd>

#include "app/command_line.h"

namespace lx {

// Runs the script (UTF-8 text). `input` serves `readlist` and its kin: a
// separate stream when the script is a file, or the script itself when the
// script is read from standard input (null). Answers the exit status: 0,
// or 1 when the language cannot be loaded.
int runConsole(const CommandLine& options, std::istream& script, std::istream* input, std::ostream& out,
               std::ostream& err);

}  // namespace lx
