// The command line of the runtime. Without parameters it plays the project
// packed onto its own executable; the additions of this port all begin with
// "--" (or are -h) so that they never collide with the plug-in mode's two
// parameters. Options and the console's file may come in any order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lx {

struct CommandLine {
  bool console = false;              // --console [FILE]
  std::string consoleFile;           // empty: standard input
  std::string playFile;              // --play FILE
  std::string language = "english";  // --lang NAME
  std::optional<uint64_t> seed;      // --seed N
  bool headless = false;             // --headless
  std::string screenshot;            // --screenshot OUT.png
  std::optional<long> runMs;         // --run-ms N
  bool loadOnly = false;             // --load-only
  std::string answersFile;           // --answers FILE
  std::vector<std::string> plain;    // parameters without "--"
};

// What the program is asked to do: run (play or the console), or only
// answer a question about itself.
enum class CommandLineRequest { Run, Help, Version, ListLanguages };

struct ParsedCommandLine {
  CommandLine line;
  CommandLineRequest request = CommandLineRequest::Run;
  std::string text;   // with Help the help text, with Version the version line
  std::string error;  // empty when the command line is good
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The short usage printed after a bad command line.
std::string usageText();

}  // namespace lx
