// The start-up sequence of a played project.
#include "app/project_player.h"

#include <atomic>
#include <fstream>
#include <iostream>

#include "app/console_page.h"
#include "app/logo_world.h"
#include "app/media_lookup.h"
#include "app/named_file.h"
#include "app/package.h"
#include "app/project_primitives.h"
#include "app/run_end.h"
#include "app/terminal_output.h"
#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "graphics/window_params.h"
#include "interp/error_sink.h"
#include "interp/logo_process.h"
#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "lang/container_lookup.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "platform/large_stack_thread.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/program_directory.h"
#include "platform/user_presence.h"
#include "prims/main_output.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/reader.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

// The title of the application and of its main window: the program's name
// for a packed project, else the project file's name, without extension.
std::string titleFor(const std::string& projectName) {
  const std::string name = packageDirectoryLoaded() ? programTitle() : fs::path(projectName).stem().string();
  return utf8ToCp1250(name).text;
}

// The language the project is written in, as its container names it
// (English when it names none); plain text is in the language asked for.
std::string projectLanguage(const std::string& projectName, const std::string& asked) {
  std::unique_ptr<std::istream> in;
  if (packageDirectoryLoaded()) {
    try {
      in = openPackageEntry(projectName);
    } catch (const eExeStreamNotFound&) {
    }
  }
  if (!in) in = std::make_unique<std::ifstream>(projectName, std::ios::binary);
  if (!*in) return asked;  // loading the project reports what is wrong
  const std::string language = readLanguage(*in);
  if (language == "*") return asked;
  return language.empty() ? std::string("english") : language;
}

// The instruction "@main" runs: loadproject with the project's name as a
// bar-quoted word, spelled through the dictionary so any language reads it.
std::string loadInstruction(const std::string& projectName) {
  return std::string(1, kDictionaryMark) + "loadproject \"|" + projectName + "|";
}

// Shows the errors of "@main" as every process does, and remembers that the
// project could not be loaded whole.
class StartSink : public tdefaultcommander {
 public:
  void showError(const std::exception& error) override {
    failed = true;
    tdefaultcommander::showError(error);
  }
  std::atomic<bool> failed{false};
};

// A project's main window opens maximised; restored, it holds a whole page
// of the default size.
void openMaximised(tSplitwindow& window) {
  if (!window.params.window) return;
  window.params.width = tSplitwindow::kDefaultPageSize.x;
  window.params.height = tSplitwindow::kDefaultPageSize.y;
  uiThread().runOnUiThread([&window] {
    window.params.window->setClientSize(window.params.width, window.params.height);
    window.params.window->setState(WindowState::Maximized);
  });
}

// Makes the main window and starts "@main" on it (holding the lock).
void startProject(const std::string& projectName, bool startupRun, std::shared_ptr<StartSink> sink) {
  InterpreterLockScope locked;
  tSplitwindow& window = makeMainWindow(projectName);
  openMaximised(window);
  if (startupRun) requestStartupRun();
  ProcessStart start;
  start.name = "@main";
  start.kind = ipInitialLoad;
  start.object = Value(&window);
  start.list = readList(loadInstruction(projectName));
  start.sink = std::move(sink);
  tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
}

bool takeScreenshot(const std::string& file) {
  std::string problem;
  bool written = false;
  {
    InterpreterLockScope locked;
    written = writeConsoleScreenshot(file, problem);
  }
  if (!written) std::cerr << "lumaxis: cannot write " << file << ": " << problem << "\n";
  return written;
}

// The Logo side of a run, on a thread of its own while this program's main
// thread serves the user interface. Answers the exit status.
int play(const CommandLine& options, const std::string& projectName) {
  setLogoProcessThread(true);
  const std::string language = projectLanguage(projectName, options.language);
  if (!buildLogoWorld(language)) {
    showMessageBox(programTitle(), "Language " + language + " not available");
    return 1;
  }
  setApplicationTitle(titleFor(projectName));
  readPackageParameters();  // the voice flag: speech is not part of this runtime
  if (options.seed) seedRandom(*options.seed);
  if (!options.playFile.empty()) setStandardDestination(std::make_shared<TerminalOutput>(std::cout));
  ScopedThreadState state;
  auto sink = std::make_shared<StartSink>();
  try {
    startProject(projectName, !options.loadOnly, sink);
  } catch (const std::exception& error) {
    tdefaultcommander().showError(error);
    return 1;
  }
  finishProcesses(runDeadline(options.runMs));
  int status = sink->failed ? 1 : 0;
  if (!options.screenshot.empty() && !takeScreenshot(options.screenshot)) status = 1;
  takeDownLogoWorld();
  setStandardDestination(nullptr);
  return status;
}

}  // namespace

int playProject(const CommandLine& options, const std::string& projectName) {
  const bool ownPlatform = startedPlatform() == nullptr;
  if (ownPlatform) startPlatform(options.headless ? BackendRequest::Headless : BackendRequest::Automatic);
  // Headless from the command line nobody can type or drag: waits for that end at once.
  if (ownPlatform) setUserAbsent(platform().kind() == BackendKind::Headless);
  std::atomic<bool> finished{false};
  int status = 0;
  LargeStackThread logo([&] {
    try {
      status = play(options, projectName);
    } catch (const std::exception& fault) {
      std::cerr << "lumaxis: " << fault.what() << "\n";
      status = 1;
    }
    finished = true;
    uiThread().wake();
  });
  uiThread().runUntil([&] { return finished.load(); });
  logo.join();
  endMediaFiles();
  if (ownPlatform) {
    setUserAbsent(false);
    stopPlatform();
  }
  return status;
}

}  // namespace lx
