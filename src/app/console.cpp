// The console's run of a script.
#include "app/console.h"

#include <atomic>
#include <istream>
#include <ostream>

#include "app/console_lines.h"
#include "app/console_page.h"
#include "app/logo_world.h"
#include "interp/error_sink.h"
#include "interp/evaluator.h"
#include "interp/procedure_definition.h"
#include "interp/procedure_resolver.h"
#include "lang/dictionary.h"
#include "objects/object_scope.h"
#include "platform/codepage.h"
#include "platform/large_stack_thread.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "prims/main_output.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/reader.h"

namespace lx {
namespace {

// Internal text for a terminal: UTF-8 with plain line feeds.
std::string forTerminal(std::string_view text) {
  std::string utf8 = cp1250ToUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r') {
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
      out += '\n';
    } else {
      out += utf8[i];
    }
  }
  return out;
}

// Lines of UTF-8 text as internal text.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : in_(in) {}
  std::optional<std::string> next() {
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return utf8ToCp1250(line).text;
  }
  bool atEnd() { return in_.peek() == std::char_traits<char>::eof(); }

 private:
  std::istream& in_;
};

// Standard output, and the input `readlist` reads.
class ConsoleDestination : public OutputDestination {
 public:
  ConsoleDestination(std::ostream& out, LineSource& input) : out_(out), input_(input) {}
  void write(std::string_view text) override {
    out_ << forTerminal(text);
    out_.flush();
  }
  bool hasInput() const override { return true; }
  std::optional<std::string> readLine() override { return input_.next(); }
  bool atEnd() override { return input_.atEnd(); }

 private:
  std::ostream& out_;
  LineSource& input_;
};

class Console {
 public:
  Console(std::ostream& err) : err_(err) {}

  void run(const ConsoleInstruction& instruction) {
    ThreadState& state = threadState();
    try {
      if (instruction.kind == ConsoleInstruction::Definition) {
        defineProcedure(globalProcedures(), procedureFromText(instruction.text));
      } else {
        // Lines run as the console's turtle, so its commands and those of its
        // page are at hand.
        tmultiobject* target = consoleTarget();
        std::optional<CurrentObjectScope> asTarget;
        if (target) asTarget.emplace(state, Value(target));
        runValue(*readList(instruction.text));
        if (state.stopFlag) throw exitOutsideProcedure(state);
      }
    } catch (const eTerminateException&) {
      // The line asked to end itself: the console goes on with the next one.
    } catch (const std::exception& error) {
      report(error);
    }
    tidy(state);
  }

 private:
  // `output` or `stop` with no procedure to leave.
  static eLogoException exitOutsideProcedure(const ThreadState& state) {
    return eLogoException::withPrim(erWrongPlace, localName(state.pendingOutput ? "output" : "stop"));
  }

  static void tidy(ThreadState& state) {
    state.stack.clearAll();
    state.stopFlag = false;
    state.tailCall = {};
    state.pendingOutput = nullptr;
    state.repcount = 0;
  }

  void report(const std::exception& error) {
    const ErrorReport shown = reportFor(error);
    err_ << forTerminal(shown.caption) << "\n" << forTerminal(shown.text) << "\n";
    err_.flush();
  }

  std::ostream& err_;
};

}  // namespace

int runConsole(const CommandLine& options, std::istream& script, std::istream* input, std::ostream& out,
               std::ostream& err) {
  int status = 0;
  // This thread is the user-interface thread: it serves the platform (the
  // clipboard, message boxes) while the Logo code runs on a thread of its own.
  const bool ownPlatform = startedPlatform() == nullptr;
  if (ownPlatform) startPlatform(BackendRequest::Headless);
  std::atomic<bool> finished{false};
  LargeStackThread logo([&] {
    struct Finish {
      std::atomic<bool>& flag;
      ~Finish() {
        flag = true;
        uiThread().wake();
      }
    } finish{finished};
    setLogoProcessThread(true);
    setMessageBoxEcho(false);
    if (!buildLogoWorld(options.language)) {
      err << "Language " << options.language << " not available\n";
      status = 1;
      return;
    }
    if (options.seed) seedRandom(*options.seed);
    LineSource scriptLines(script);
    LineSource separateInput(input ? *input : script);
    setStandardDestination(std::make_shared<ConsoleDestination>(out, input ? separateInput : scriptLines));
    ScopedThreadState state;
    Console console(err);
    try {
      makeConsoleWindow();
    } catch (const std::exception& error) {
      err << "lumaxis: the console window cannot be made: " << error.what() << "\n";
    }
    ConsoleLines lines([&] { return scriptLines.next(); });
    while (std::optional<ConsoleInstruction> instruction = lines.next()) console.run(*instruction);
    if (!options.screenshot.empty()) {
      std::string problem;
      if (!writeConsoleScreenshot(options.screenshot, problem)) {
        err << "lumaxis: cannot write " << options.screenshot << ": " << problem << "\n";
        status = 1;
      }
    }
    forgetConsoleWindow();
    setStandardDestination(nullptr);
  });
  uiThread().runUntil([&] { return finished.load(); });
  logo.join();
  if (ownPlatform) stopPlatform();
  return status;
}

}  // namespace lx
