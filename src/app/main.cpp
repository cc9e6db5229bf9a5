// The runtime's entry point.
#include <unistd.h>

#include <fstream>
#include <iostream>

#include "app/command_line.h"
#include "app/console.h"
#include "app/console_interactive.h"
#include "app/language_list.h"
#include "app/language_restart.h"
#include "app/named_file.h"
#include "app/option_primitives.h"
#include "app/project_player.h"
#include "app/stand_alone.h"
#include "controls/dialog_answers.h"

namespace {

// Answers the questions the program answers about itself; none: run.
std::optional<int> answerRequest(const lx::ParsedCommandLine& parsed) {
  switch (parsed.request) {
    case lx::CommandLineRequest::Help:
    case lx::CommandLineRequest::Version:
      std::cout << parsed.text;
      return 0;
    case lx::CommandLineRequest::ListLanguages:
      lx::printLanguages(lx::availableLanguages(), std::cout);
      return 0;
    case lx::CommandLineRequest::Run:
      break;
  }
  return std::nullopt;
}

int runConsoleFrom(const lx::CommandLine& line) {
  if (line.consoleFile.empty()) {
    if (lx::isInteractiveTerminal()) return lx::runInteractiveConsole(line);
    return lx::runConsole(line, std::cin, nullptr, std::cout, std::cerr);
  }
  std::ifstream script(line.consoleFile, std::ios::binary);
  if (!script) {
    std::cerr << "lumaxis: cannot read " << line.consoleFile << "\n";
    return 2;
  }
  return lx::runConsole(line, script, &std::cin, std::cout, std::cerr);
}

int run(const lx::CommandLine& line) {
  if (!line.answersFile.empty() && !lx::queueDialogAnswersFrom(line.answersFile)) {
    std::cerr << "lumaxis: cannot read " << line.answersFile << "\n";
    return 2;
  }
  if (line.console) return runConsoleFrom(line);
  if (line.playFile.empty()) return lx::startWithoutConsole(line);
  if (!std::ifstream(line.playFile, std::ios::binary)) {
    std::cerr << "lumaxis: cannot read " << line.playFile << "\n";
    return 2;
  }
  lx::setCommandLineProject(line.playFile);
  return lx::playProject(line, line.playFile);
}

}  // namespace

int main(int argc, char** argv) {
  lx::setProgramParameters({argv + 1, argv + argc});
  const lx::ParsedCommandLine parsed = lx::parseCommandLine({argv + 1, argv + argc});
  if (!parsed.error.empty()) {
    std::cerr << "lumaxis: " << parsed.error << "\n" << lx::usageText();
    return 2;
  }
  if (const std::optional<int> answered = answerRequest(parsed)) return *answered;
  const lx::CommandLine& line = parsed.line;
  const int status = run(line);
  // A project in another language plays in a new run of this program.
  if (const std::optional<lx::LanguageRestart> restart = lx::takeLanguageRestart())
    return lx::restartRuntime(line, *restart);
  return status;
}
