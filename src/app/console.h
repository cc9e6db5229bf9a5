// The console: runs Logo text from a script in line mode, as the main
// object, with the main object's output on standard output and uncaught
// errors on standard error, and goes on after an error. A piped script and
// the interactive terminal differ only in where lines come from and where
// text goes (ConsoleIo).
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/console_lines.h"
#include "prims/output_destination.h"

namespace lx {

// Thrown by a console's line source when the user interrupted the line
// being typed: the instruction being collected is dropped.
struct ConsoleInterrupted {};

struct ConsoleIo {
  // The script's next line (internal text, without its line end), none at
  // its end; may throw ConsoleInterrupted.
  std::function<std::optional<std::string>(LineWanted)> nextLine;
  // An open "[" or "(" continues the line (typed lines only: scripts keep
  // their lines as they are).
  bool bracketsContinue = false;
  // Where the main object's output goes and `readlist` and its kin read.
  std::shared_ptr<OutputDestination> destination;
  // Writes UTF-8 text to the error stream: errors and the console's own
  // messages.
  std::function<void(std::string_view)> writeError;
  bool colourErrors = false;
  // Runs on the console's thread once a line's process has started, before
  // the console waits for it (none: nothing).
  std::function<void()> lineStarted;
  // At the end of the lines: true stops the processes still running (the
  // user ended the session); false waits for them, as long as --run-ms
  // allows.
  bool stopProcessesAtEnd = false;
};

// Runs the lines `io` gives. Answers the exit status: 0, or 1 when the
// language cannot be loaded or the screenshot not written.
int runConsoleWith(const CommandLine& options, ConsoleIo& io);

// Runs the script (UTF-8 text). `input` serves `readlist` and its kin: a
// separate stream when the script is a file, or the script itself when the
// script is read from standard input (null). Answers the exit status: 0,
// or 1 when the language cannot be loaded.
int runConsole(const CommandLine& options, std::istream& script, std::istream* input, std::ostream& out,
               std::ostream& err);

}  // namespace lx
