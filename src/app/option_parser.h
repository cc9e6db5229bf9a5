// What the command lines of the runtime and of the packer share: help laid
// out with the program's own usage lines, option texts wrapped to the
// terminal's customary width, and one parse that turns the library's
// outcomes (help, version, a mistake) into plain values.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "app/program_version.h"

namespace lx {

// Lays out the help of `app`: `usage` replaces the generated usage line,
// the option descriptions are wrapped, `footer` follows the options. Call
// it after every option is added.
void describeProgram(CLI::App& app, const std::string& usage, const std::string& footer);

struct ParseOutcome {
  enum Kind { Parsed, Help, Version, Failed } kind = Parsed;
  std::string text;  // the help text, the version line, or what was wrong
};

// Parses `arguments` (without the program name, in the order given).
ParseOutcome parseArguments(CLI::App& app, const std::vector<std::string>& arguments);

// `text` broken at blanks into lines of at most `width` characters.
std::string wrapText(const std::string& text, size_t width);

}  // namespace lx
