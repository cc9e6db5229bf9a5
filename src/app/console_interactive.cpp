// The interactive console: the terminal, the signals and the window wired
// to a console run.
#include "app/console_interactive.h"

#include <signal.h>
#include <unistd.h>

#include <mutex>
#include <thread>

#include "app/console.h"
#include "app/console_history.h"
#include "app/console_signals.h"
#include "app/console_terminal.h"
#include "app/program_version.h"
#include "app/terminal_output.h"
#include "core/control_exceptions.h"
#include "graphics/window_panel.h"
#include "interp/scheduler.h"
#include "interp/logo_process.h"
#include "interp/process_list.h"
#include "interp/process_waits.h"
#include "platform/codepage.h"

namespace lx {
namespace {

constexpr const char* kPrompt = "? ";
// While an instruction goes on: an open bracket, a definition, a "~".
constexpr const char* kContinuedPrompt = "~ ";

// The main object's output on the terminal, and the lines `readlist` and
// its kin read from it.
class TerminalDestination : public OutputDestination {
 public:
  explicit TerminalDestination(ConsoleTerminal& terminal) : terminal_(terminal) {}
  void write(std::string_view text) override {
    terminal_.write(ConsoleTerminal::Stream::Out, forTerminal(text));
  }
  bool hasInput() const override { return true; }
  // Waiting for a typed line is a wait like any other: a process told to
  // stop (Ctrl+C) ends at once, before or after the read, rather than
  // going on with no input.
  std::optional<std::string> readLine() override {
    endIfStopped();
    ConsoleTerminal::Read read;
    {
      // The other processes go on while the user types.
      LockReleased released;
      read = terminal_.readLine("", [] { return stopped(); });
    }
    endIfStopped();
    if (read.end != ConsoleTerminal::ReadEnd::Line) return std::nullopt;
    return utf8ToCp1250(read.text).text;
  }
  bool atEnd() override { return terminal_.inputEnded(); }

 private:
  static bool stopped() {
    const tLogoprocess* reader = currentProcess();
    return reader && reader->control().stopRequested();
  }
  static void endIfStopped() {
    if (stopped()) throw eTerminateException(false);
  }

  ConsoleTerminal& terminal_;
};

// Ctrl+C, Ctrl+Z and the signals that end the session. The signals'
// thread only tells: every process is told to stop, then the line being
// edited is interrupted (in this order, so that a process whose read ends
// finds its stop request and reads no more). The console's own thread does
// the waiting (settle), before it prompts again and once a line's process
// has started, so the prompt comes back with no process left, and a Ctrl+C
// that came after a line was read but before its process was registered
// stops that line too.
class Interruptions {
 public:
  explicit Interruptions(ConsoleTerminal& terminal) : terminal_(terminal) {}

  // On the signals' thread.
  void answer(int signal) {
    if (signal == SIGTSTP) {
      // Stopped for real by SIGSTOP, which cannot be taken; SIGCONT comes
      // here when the shell lets the program go on.
      terminal_.suspend();
      kill(getpid(), SIGSTOP);
      return;
    }
    if (signal == SIGCONT) {
      terminal_.resume();
      return;
    }
    std::lock_guard answering(answering_);
    ++count_;
    allThreads().signalStopOthers();
    if (signal == SIGINT) {
      terminal_.interrupt();
    } else {
      endingSignal_ = signal;
      terminal_.endInput();
    }
  }

  // On the console's thread: when a signal came since the last time, stops
  // every process and waits until they have ended. An answer under way is
  // waited for first, so that it cannot reach a line started after this.
  void settle() {
    int seen = 0;
    {
      std::lock_guard answering(answering_);
      seen = count_;
    }
    if (seen == settled_) return;
    settled_ = seen;
    allThreads().stopAll(true);
  }

  // The signal that ended the session, 0 if none did.
  int endingSignal() {
    std::lock_guard answering(answering_);
    return endingSignal_;
  }

 private:
  ConsoleTerminal& terminal_;
  std::mutex answering_;
  int count_ = 0;         // under answering_
  int endingSignal_ = 0;  // under answering_
  int settled_ = 0;       // the console's thread only
};

// Closing the window ends the input as Ctrl+D does.
class WindowCloseWatch {
 public:
  explicit WindowCloseWatch(ConsoleTerminal& terminal)
      : watcher_([this, &terminal] {
          waitReleased(nullptr, [this] { return done_ || mainWindowClosed(); });
          if (mainWindowClosed()) terminal.endInput();
        }) {}
  ~WindowCloseWatch() {
    changeAndNotify([this] { done_ = true; });
    watcher_.join();
  }

 private:
  bool done_ = false;  // under the wait mutex
  std::thread watcher_;
};

std::optional<std::string> promptedLine(ConsoleTerminal& terminal, Interruptions& interruptions,
                                        LineWanted wanted) {
  interruptions.settle();
  ConsoleTerminal::Read read = terminal.readLine(wanted == LineWanted::First ? kPrompt : kContinuedPrompt);
  if (read.end == ConsoleTerminal::ReadEnd::Interrupted) {
    interruptions.settle();
    throw ConsoleInterrupted();
  }
  if (read.end == ConsoleTerminal::ReadEnd::End) return std::nullopt;
  if (read.text.find_first_not_of(" \t") != std::string::npos) terminal.remember(read.text);
  return utf8ToCp1250(read.text).text;
}

}  // namespace

bool isInteractiveTerminal() {
  return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
}

int runInteractiveConsole(const CommandLine& options) {
  // Before any other thread starts, so that every thread inherits it.
  blockConsoleSignals();
  ConsoleTerminal terminal(historyFile());
  Interruptions interruptions(terminal);
  ConsoleSignals signals([&interruptions](int signal) { interruptions.answer(signal); });
  WindowCloseWatch closing(terminal);
  ConsoleIo io;
  io.nextLine = [&](LineWanted wanted) { return promptedLine(terminal, interruptions, wanted); };
  io.bracketsContinue = true;
  io.lineStarted = [&interruptions] { interruptions.settle(); };
  io.destination = std::make_shared<TerminalDestination>(terminal);
  io.writeError = [&terminal](std::string_view text) { terminal.write(ConsoleTerminal::Stream::Err, text); };
  io.colourErrors = terminalShowsColour(STDERR_FILENO);
  io.stopProcessesAtEnd = true;
  terminal.write(ConsoleTerminal::Stream::Out, std::string("Lumaxis Logo ") + kProgramVersion +
                                                   ". Ctrl+C stops the running processes, Ctrl+D ends.\n");
  const int status = runConsoleWith(options, io);
  // Ended by a signal: the status a shell reports for a program it killed.
  if (const int signal = interruptions.endingSignal()) return 128 + signal;
  return status;
}

}  // namespace lx
