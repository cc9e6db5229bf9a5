// Playing a project written in another language. The words, messages and
// name codes of a run belong to one language, so `loadproject` with `erased`
// does not switch in place: it records the project, ends every process, and
// once the run has ended the runtime starts itself again with the project,
// which then loads in its own language.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace lx {

struct LanguageRestart {
  std::string project;      // the project file to play
  bool startupRun = false;  // run its start-up procedure once loaded
};

// Records the restart and tells every other process to stop; the caller
// ends its own process. Error 182 when the program cannot be started again.
void requestLanguageRestart(const LanguageRestart& restart);
// Whether a restart waits for the run to end (the run then ends as soon as
// no process runs, even in a window).
bool languageRestartPending();
std::optional<LanguageRestart> takeLanguageRestart();

// The arguments of the new run: the project to play, whether it starts, and
// the options of this run that still hold for the next (window, screenshot,
// run time, random seed). The language is the project's own.
std::vector<std::string> restartArguments(const CommandLine& line, const LanguageRestart& restart);

// Replaces this run by the new one; answers only when that fails, with the
// exit status.
int restartRuntime(const CommandLine& line, const LanguageRestart& restart);

}  // namespace lx
