// The runtime's entry point.
#include <fstream>
#include <iostream>

#include "app/command_line.h"
#include "app/console.h"
#include "app/named_file.h"
#include "app/project_player.h"
#include "app/stand_alone.h"

int main(int argc, char** argv) {
  const lx::ParsedCommandLine parsed = lx::parseCommandLine({argv + 1, argv + argc});
  if (!parsed.error.empty()) {
    std::cerr << "lumaxis: " << parsed.error << "\n" << lx::usageText();
    return 2;
  }
  const lx::CommandLine& line = parsed.line;
  if (line.console) {
    if (line.consoleFile.empty()) return lx::runConsole(line, std::cin, nullptr, std::cout, std::cerr);
    std::ifstream script(line.consoleFile, std::ios::binary);
    if (!script) {
      std::cerr << "lumaxis: cannot read " << line.consoleFile << "\n";
      return 2;
    }
    return lx::runConsole(line, script, &std::cin, std::cout, std::cerr);
  }
  if (line.playFile.empty()) return lx::startWithoutConsole(line);
  if (!std::ifstream(line.playFile, std::ios::binary)) {
    std::cerr << "lumaxis: cannot read " << line.playFile << "\n";
    return 2;
  }
  lx::setCommandLineProject(line.playFile);
  return lx::playProject(line, line.playFile);
}
