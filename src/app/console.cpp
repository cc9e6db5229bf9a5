// The console's run of a script.
#include "app/console.h"

#include <atomic>
#include <chrono>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>

#include "app/console_lines.h"
#include "app/console_page.h"
#include "app/language_restart.h"
#include "app/media_lookup.h"
#include "app/logo_world.h"
#include "app/run_end.h"
#include "app/terminal_output.h"
#include "graphics/window_panel.h"
#include "interp/error_sink.h"
#include "interp/evaluator.h"
#include "interp/procedure_definition.h"
#include "interp/procedure_resolver.h"
#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "platform/codepage.h"
#include "platform/large_stack_thread.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "platform/user_presence.h"
#include "prims/main_output.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/reader.h"

namespace lx {
namespace {

// The name of the process that resets the world and loads a project.
constexpr const char* kCleaningProcess = "@clean";

// Lines of UTF-8 text as internal text. The console and the processes that
// read input may share one source, so reads take turns.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : in_(in) {}
  std::optional<std::string> next() {
    std::lock_guard lock(mutex_);
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return utf8ToCp1250(line).text;
  }
  bool atEnd() {
    std::lock_guard lock(mutex_);
    return in_.peek() == std::char_traits<char>::eof();
  }

 private:
  std::mutex mutex_;
  std::istream& in_;
};

// Standard output, and the input `readlist` reads.
class ConsoleDestination : public TerminalOutput {
 public:
  ConsoleDestination(std::ostream& out, LineSource& input) : TerminalOutput(out), input_(input) {}
  bool hasInput() const override { return true; }
  std::optional<std::string> readLine() override { return input_.next(); }
  bool atEnd() override { return input_.atEnd(); }

 private:
  LineSource& input_;
};

// Reports the errors of the console's processes on the error stream, as
// their message boxes would show them.
class ConsoleSink : public tdefaultcommander {
 public:
  ConsoleSink(std::function<void(std::string_view)> write, bool colour)
      : write_(std::move(write)), colour_(colour) {}
  void showError(const std::exception& error) override {
    const ErrorReport shown = reportFor(error);
    write_(errorForTerminal(shown.caption, shown.text, colour_));
  }

 private:
  std::function<void(std::string_view)> write_;
  bool colour_;
};

// Runs the instructions: each line in a process of the main object, the
// next one when it has ended; processes the lines start go on meanwhile.
// The lines are one session: an error caught on one line is what `error`
// gives on a later one.
class Console {
 public:
  Console(std::shared_ptr<ConsoleSink> sink, std::function<void()> lineStarted)
      : sink_(std::move(sink)), lineStarted_(std::move(lineStarted)) {}
  ~Console() {
    InterpreterLockScope locked;
    caughtError_ = {};
  }

  void run(const ConsoleInstruction& instruction) {
    std::shared_ptr<tLogoprocess> line;
    {
      InterpreterLockScope locked;
      try {
        if (instruction.kind == ConsoleInstruction::Definition) {
          defineProcedure(globalProcedures(), procedureFromText(instruction.text));
          return;
        }
        line = tLogoprocess::start(std::make_shared<tLogoprocess>(lineStart(instruction.text)));
      } catch (const std::exception& error) {
        sink_->showError(error);
        return;
      }
    }
    if (lineStarted_) lineStarted_();
    line->waitFor();
    waitForCleaning();
  }

 private:
  // A line that loads a project with `erased` hands the load to the
  // cleaning process and ends at once; the line is over only when that
  // process has reset the world and loaded the project, or the next line
  // would see an empty world. The cleaning process is registered before
  // the line's process ends, so it is seen here.
  static void waitForCleaning() {
    while (allThreads().exists(kCleaningProcess) && !mainWindowClosed())
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }

  ProcessStart lineStart(const std::string& text) {
    ProcessStart start;
    start.name = "@console";
    start.kind = ipNone;
    // Lines run as the console's turtle (or its page), so drawing commands
    // are at hand, as on a new project's command line.
    tmultiobject* target = consoleTarget();
    start.object = Value(target ? target : mainObject());
    start.sink = sink_;
    start.list = readList(text);
    start.stateReady = [this](ThreadState& state) { state.caughtError = std::move(caughtError_); };
    start.stateDone = [this](ThreadState& state) { caughtError_ = std::move(state.caughtError); };
    return start;
  }

  std::shared_ptr<ConsoleSink> sink_;
  std::function<void()> lineStarted_;
  CaughtError caughtError_;  // between lines; touched under the interpreter lock
};

// The console's world: the main window with a page and a turtle.
void makePageWorld(const ConsoleIo& io) {
  InterpreterLockScope locked;
  try {
    makeConsoleWindow();
  } catch (const std::exception& error) {
    io.writeError(std::string("lumaxis: the console window cannot be made: ") + error.what() + "\n");
  }
}

bool takeScreenshot(const std::string& file, const ConsoleIo& io) {
  std::string problem;
  bool written = false;
  {
    InterpreterLockScope locked;
    written = writeConsoleScreenshot(file, problem);
  }
  if (!written) io.writeError("lumaxis: cannot write " + file + ": " + problem + "\n");
  return written;
}

// Reads and runs the instructions until the lines end or the window is
// closed. An interrupted instruction is dropped and the next one read.
void runLines(ConsoleIo& io, Console& console) {
  ConsoleLines lines(io.nextLine, io.bracketsContinue);
  // After a restart for another language the lines left belong to the old run.
  while (!mainWindowClosed() && !languageRestartPending()) {
    std::optional<ConsoleInstruction> instruction;
    try {
      instruction = lines.next();
    } catch (const ConsoleInterrupted&) {
      continue;
    }
    if (!instruction) break;
    console.run(*instruction);
  }
}

// The run of the lines on a thread of its own; answers the exit status.
int runSession(const CommandLine& options, ConsoleIo& io) {
  setLogoProcessThread(true);
  setMessageBoxEcho(false);
  if (!buildLogoWorld(options.language)) {
    io.writeError("Language " + options.language + " not available\n");
    return 1;
  }
  int status = 0;
  if (options.seed) seedRandom(*options.seed);
  setStandardDestination(io.destination);
  {
    ScopedThreadState state;
    makePageWorld(io);
    const auto sink = std::make_shared<ConsoleSink>(io.writeError, io.colourErrors);
    setDefaultErrorSink(sink);
    Console console(sink, io.lineStarted);
    runLines(io, console);
    finishProcesses(io.stopProcessesAtEnd ? SteadyTime::min() : runDeadline(options.runMs));
    setDefaultErrorSink(nullptr);
    if (!options.screenshot.empty() && !takeScreenshot(options.screenshot, io)) status = 1;
    takeDownLogoWorld();
    setStandardDestination(nullptr);
  }
  return status;
}

}  // namespace

int runConsoleWith(const CommandLine& options, ConsoleIo& io) {
  int status = 0;
  // This thread is the user-interface thread: it serves the platform (the
  // window, the clipboard, message boxes) while the Logo code runs on a
  // thread of its own. The page shows in a real window when there is a
  // display, unless --headless asks for none.
  const bool ownPlatform = startedPlatform() == nullptr;
  if (ownPlatform) startPlatform(options.headless ? BackendRequest::Headless : BackendRequest::Automatic);
  // Headless from the command line nobody can type or drag: waits for that end at once.
  if (ownPlatform) setUserAbsent(platform().kind() == BackendKind::Headless);
  std::atomic<bool> finished{false};
  LargeStackThread logo([&] {
    struct Finish {
      std::atomic<bool>& flag;
      ~Finish() {
        flag = true;
        uiThread().wake();
      }
    } finish{finished};
    status = runSession(options, io);
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

int runConsole(const CommandLine& options, std::istream& script, std::istream* input, std::ostream& out,
               std::ostream& err) {
  LineSource scriptLines(script);
  LineSource separateInput(input ? *input : script);
  ConsoleIo io;
  io.nextLine = [&scriptLines](LineWanted) { return scriptLines.next(); };
  io.destination = std::make_shared<ConsoleDestination>(out, input ? separateInput : scriptLines);
  io.writeError = [&err](std::string_view text) {
    err << text;
    err.flush();
  };
  return runConsoleWith(options, io);
}

}  // namespace lx
