// The restart of the runtime for a project in another language.
#include "app/language_restart.h"

#include <atomic>
#include <iostream>
#include <mutex>

#include "core/logo_exception.h"
#include "interp/process_list.h"
#include "interp/process_waits.h"
#include "platform/platform.h"
#include "platform/program_directory.h"
#include "platform/program_restart.h"

namespace lx {
namespace {

// Set by a Logo process, taken by the thread that ends the run. The flag is
// raised under the wait mutex, so that a run waiting for its end (whose
// condition is checked under that mutex) wakes and sees it.
struct PendingRestart {
  std::mutex mutex;
  std::optional<LanguageRestart> restart;  // under `mutex`
  std::atomic<bool> requested{false};
};

PendingRestart& pending() {
  static PendingRestart state;
  return state;
}

}  // namespace

void requestLanguageRestart(const LanguageRestart& restart) {
  if (restart.project.empty() || !programCanBeStarted(programFile())) throw eLogoException(erSwitchLanguage);
  {
    std::lock_guard<std::mutex> guard(pending().mutex);
    pending().restart = restart;
  }
  changeAndNotify([] { pending().requested = true; });
  allThreads().signalStopOthers();
  if (PlatformBackend* backend = startedPlatform()) backend->uiThread().wake();
}

bool languageRestartPending() {
  return pending().requested.load();
}

std::optional<LanguageRestart> takeLanguageRestart() {
  std::lock_guard<std::mutex> guard(pending().mutex);
  std::optional<LanguageRestart> restart = std::move(pending().restart);
  pending().restart.reset();
  pending().requested = false;
  return restart;
}

std::vector<std::string> restartArguments(const CommandLine& line, const LanguageRestart& restart) {
  std::vector<std::string> arguments{"--play", restart.project};
  if (!restart.startupRun) arguments.push_back("--load-only");
  if (line.headless) arguments.push_back("--headless");
  if (!line.screenshot.empty()) arguments.insert(arguments.end(), {"--screenshot", line.screenshot});
  if (line.runMs) arguments.insert(arguments.end(), {"--run-ms", std::to_string(*line.runMs)});
  if (line.seed) arguments.insert(arguments.end(), {"--seed", std::to_string(*line.seed)});
  if (!line.answersFile.empty()) arguments.insert(arguments.end(), {"--answers", line.answersFile});
  return arguments;
}

int restartRuntime(const CommandLine& line, const LanguageRestart& restart) {
  const std::string problem = replaceProgram(programFile(), restartArguments(line, restart));
  std::cerr << "lumaxis: cannot start again with " << restart.project << ": " << problem << "\n";
  return 1;
}

}  // namespace lx
