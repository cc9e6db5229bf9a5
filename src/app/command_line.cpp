// Reading the command line of the runtime, and its help.
#include "app/command_line.h"

#include <charconv>

#include "app/option_parser.h"

namespace lx {
namespace {

const char* const kUsage =
    "Usage:\n"
    "  lumaxis [OPTIONS]                  play the project packed onto this program\n"
    "  lumaxis --play FILE [OPTIONS]      play a project file\n"
    "  lumaxis --console [FILE] [OPTIONS] run Logo lines from FILE, or as typed\n"
    "  lumaxis HWND FILE                  plug-in mode\n"
    "  lumaxis --list-languages | --version | --help\n";

const char* const kFooter =
    "Ways to start:\n"
    "  Without --play or --console the program plays the project packed onto its\n"
    "  own file, as lumaxis-pack makes one; the options above apply to it too.\n"
    "  With two plain parameters it is a plug-in: HWND, the host window's handle\n"
    "  (a whole number), and FILE, a package file or a project file.\n"
    "  Options and the console's FILE may stand in any order; after \"--\" every\n"
    "  argument is taken as a file name.\n"
    "\n"
    "The console:\n"
    "  It makes a main window with the page page1 and the turtle t1, and runs one\n"
    "  instruction per line, each in a process of its own, as the turtle: the next\n"
    "  line starts when the last has ended, while processes it launched go on.\n"
    "  \"to\" ... \"end\" defines a procedure, a line ending in \"~\" goes on on the\n"
    "  next line, and empty lines and lines beginning with \";\" are skipped. What\n"
    "  Logo prints goes to standard output; an error goes to standard error and the\n"
    "  run goes on. When the script ends it waits until no process runs (see\n"
    "  --run-ms). readword and readlist read standard input when FILE is given,\n"
    "  else the next lines of the script itself.\n"
    "\n"
    "  When standard input and output are a terminal and no FILE is given, the\n"
    "  console is interactive. It prompts with \"? \", and with \"~ \" while an\n"
    "  instruction goes on (an open [ or (, a \"to\" without \"end\", a trailing\n"
    "  \"~\"). Lines are edited with the usual keys:\n"
    "    Up, Down   earlier and later lines      Ctrl+R   search earlier lines\n"
    "    Ctrl+C     stop every running process and come back to the prompt;\n"
    "               at the prompt it also drops the line being typed\n"
    "    Ctrl+D     on an empty line: stop every process and end\n"
    "  The lines typed are kept in $XDG_DATA_HOME/lumaxis/history (by default\n"
    "  ~/.local/share/lumaxis/history). Keys can be bound anew in ~/.editrc, the\n"
    "  file of the libedit line editor. Errors are shown in colour unless the\n"
    "  NO_COLOR variable is set or TERM is \"dumb\".\n"
    "\n"
    "Windows:\n"
    "  With a display (DISPLAY or WAYLAND_DISPLAY set) the page shows in a window\n"
    "  and a run ends when the window is closed; without one, or with --headless,\n"
    "  a run ends when no process runs.\n"
    "\n"
    "Exit status:\n"
    "  0 the run ended normally; 1 the package, the project or the language could\n"
    "  not be used, or the screenshot not written; 2 a mistake on the command line\n"
    "  or a file that cannot be read.\n"
    "\n"
    "Examples:\n"
    "  lumaxis --console\n"
    "  lumaxis --console --headless square.lgo --screenshot square.png\n"
    "  echo 'repeat 4 [forward 50 right 90]' | lumaxis --console --headless\n"
    "  lumaxis --play project.lxt --run-ms 5000 --seed 1\n";

// A whole number of 0 or more, written with digits only; anything else is
// a mistake named with its option.
template <class T>
T wholeNumber(const std::string& option, const std::string& text, const char* what) {
  T number{};
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || failure != std::errc() || end != text.data() + text.size() || number < 0)
    throw CLI::ValidationError(option, "needs " + std::string(what) + ", not " + text);
  return number;
}

// The options, bound to the fields of `line`.
void addOptions(CLI::App& app, CommandLine& line, bool& listLanguages) {
  app.set_help_flag("-h,--help", "Show this help and end.");
  app.set_version_flag("--version", std::string("lumaxis ") + kProgramVersion,
                       "Show the program's version and end.");
  app.add_flag("--list-languages", listLanguages,
               "List the languages --lang accepts: the dictionaries built into the program and the "
               "NAME.ldx files beside it, then end.");
  app.add_flag("--console", line.console,
               "Run Logo lines in line mode: from FILE when one is given, else from standard input "
               "(interactively when that is a terminal). See \"The console\" below.");
  app.add_option("--play", line.playFile,
                 "Play a project file: a container (.lxp, .lgf) or project text (.lxt, .txt).")
      ->type_name("FILE");
  app.add_option("--lang", line.language,
                 "The language of the Logo words: english (built in, the default) or the NAME of a "
                 "NAME.ldx dictionary beside the program. A played project chooses its own.")
      ->type_name("NAME");
  app.add_option_function<std::string>(
         "--seed",
         [&line](const std::string& text) {
           line.seed = wholeNumber<uint64_t>("--seed", text, "a whole number");
         },
         "Start the random numbers from the whole number N, so that a run can be repeated.")
      ->type_name("N");
  app.add_flag("--headless", line.headless,
               "Run without a window even when there is a display; drawing still happens, and "
               "--screenshot shows it.");
  app.add_option("--screenshot", line.screenshot,
                 "At the end of the run write the page shown to OUT.png (a PNG picture).")
      ->type_name("OUT.png");
  app.add_option_function<std::string>(
         "--run-ms",
         [&line](const std::string& text) {
           line.runMs = wholeNumber<long>("--run-ms", text, "a whole number of milliseconds");
         },
         "Stop every process N milliseconds after the start (after the console's last line), "
         "instead of waiting until none runs or the window is closed.")
      ->type_name("N");
  app.add_flag("--load-only", line.loadOnly,
               "Load the played project without running its start-up procedure. A run that starts "
               "itself again for a project in another language passes it unless the project is to "
               "start.");
  app.add_option("--answers", line.answersFile,
                 "Answer the dialogs and choosers the run opens from FILE, one answer a line, in "
                 "order: the text typed, the button, item, colour or file name chosen. An empty line "
                 "cancels a choice. A dialog finding no answer left is cancelled when there is no "
                 "window, and shown when there is one.")
      ->type_name("FILE");
  app.add_option("FILE", line.plain, "The console's script (with --console), or the plug-in's HWND and FILE.")
      ->type_name("");
}

// What the arguments without "--" are, wherever they stood: the console's
// script (one at most), nothing beside --play, and otherwise the plug-in
// mode's two parameters. Answers the error for arguments that have no use.
std::string placePlainArguments(CommandLine& line) {
  if (line.console && !line.playFile.empty()) return "--console and --play cannot be used together";
  if (line.console) {
    if (line.plain.size() > 1) return "the console reads one file, not " + line.plain[1] + " as well";
    if (!line.plain.empty()) line.consoleFile = line.plain.front();
    line.plain.clear();
    return {};
  }
  if (!line.playFile.empty() && !line.plain.empty())
    return "--play plays one file, not " + line.plain.front();
  if (line.plain.size() == 1 || line.plain.size() > 2) return "cannot use the argument " + line.plain.back();
  return {};
}

}  // namespace

std::string usageText() {
  return std::string(kUsage) + "Run lumaxis --help to see every option.\n";
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  bool listLanguages = false;
  CLI::App app("The Lumaxis Logo runtime: plays Logo projects and runs Logo lines.", "lumaxis");
  addOptions(app, parsed.line, listLanguages);
  describeProgram(app, kUsage, kFooter);
  const ParseOutcome outcome = parseArguments(app, arguments);
  switch (outcome.kind) {
    case ParseOutcome::Help:
      parsed.request = CommandLineRequest::Help;
      parsed.text = outcome.text;
      return parsed;
    case ParseOutcome::Version:
      parsed.request = CommandLineRequest::Version;
      parsed.text = outcome.text;
      return parsed;
    case ParseOutcome::Failed:
      parsed.error = outcome.text;
      return parsed;
    case ParseOutcome::Parsed:
      break;
  }
  if (listLanguages) {
    parsed.request = CommandLineRequest::ListLanguages;
    return parsed;
  }
  parsed.error = placePlainArguments(parsed.line);
  return parsed;
}

}  // namespace lx
