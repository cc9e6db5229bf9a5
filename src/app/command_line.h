// The command line of the runtime. Without parameters it plays the project
// packed onto its own executable; the additions of this port all begin with
// "--" so that they never collide with the plug-in mode's two parameters.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lx {

struct CommandLine {
  bool console = false;            // --console [FILE]
  std::string consoleFile;         // empty: standard input
  std::string playFile;            // --play FILE
  std::string language = "english";  // --lang NAME
  std::optional<uint64_t> seed;    // --seed N
  bool headless = false;           // --headless
  std::string screenshot;          // --screenshot OUT.png
  std::optional<long> runMs;       // --run-ms N
  std::vector<std::string> plain;  // parameters without "--"
};

struct ParsedCommandLine {
  CommandLine line;
  std::string error;  // empty when the command line is good
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed for a bad command line.
std::string usageText();

}  // namespace lx
