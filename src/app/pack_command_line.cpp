// Reading the command line of lumaxis-pack, and its help.
#include "app/pack_command_line.h"

#include "app/option_parser.h"

namespace lx {
namespace {

const char* const kUsage =
    "Usage:\n"
    "  lumaxis-pack --runtime BIN --project FILE -o OUT [--lang NAME] [--voice]\n"
    "  lumaxis-pack --list EXE\n"
    "  lumaxis-pack --list-languages | --version | --help\n";

const char* const kFooter =
    "Packing:\n"
    "  The program OUT is a copy of the runtime BIN (without any package BIN may\n"
    "  already carry) with a package on its end: the project and a small record of\n"
    "  parameters. Started without parameters, OUT switches to the project's\n"
    "  language and plays the project; it takes the runtime's options too (see\n"
    "  lumaxis --help). A project container is packed as it is; project text is\n"
    "  first wrapped into a container in the language --lang names. OUT is made\n"
    "  executable.\n"
    "\n"
    "Exit status:\n"
    "  0 done; 1 a file could not be read or written, or EXE carries no package;\n"
    "  2 a mistake on the command line.\n"
    "\n"
    "Examples:\n"
    "  lumaxis-pack --runtime build/lumaxis --project game.lxt -o game\n"
    "  lumaxis-pack --list game\n";

void addOptions(CLI::App& app, PackCommandLine& line, bool& listLanguages) {
  app.set_help_flag("-h,--help", "Show this help and end.");
  app.set_version_flag("--version", std::string("lumaxis-pack ") + kProgramVersion,
                       "Show the program's version and end.");
  PackRequest& request = line.request;
  CLI::Option* runtime =
      app.add_option("--runtime", request.runtimePath, "The runtime program to pack onto (build/lumaxis).")
          ->type_name("BIN");
  CLI::Option* project =
      app.add_option("--project", request.projectPath,
                     "The project to pack: a container (.lxp, .lgf) or project text (.lxt, .txt).")
          ->type_name("FILE");
  CLI::Option* output =
      app.add_option("-o,--output", request.outputPath, "The program to write; an existing file is replaced.")
          ->type_name("OUT");
  CLI::Option* language =
      app.add_option("--lang", request.language,
                     "The language the project is written in, recorded in the package (english, the "
                     "default, or another that --list-languages shows).")
          ->type_name("NAME");
  CLI::Option* voice = app.add_flag("--voice", request.voice,
                                    "Record in the package that the project listens to voice commands.");
  CLI::Option* list =
      app.add_option("--list", line.listedProgram,
                     "Show the package a program carries: each entry's name, size and place, then the total. "
                     "Not together with the options that pack.")
          ->type_name("EXE");
  for (CLI::Option* packing : {runtime, project, output, language, voice}) list->excludes(packing);
  app.add_flag("--list-languages", listLanguages,
               "List the languages: the dictionaries built into the program and the NAME.ldx files "
               "beside it, then end.");
}

// Packing needs all three files.
std::string missingForPacking(const PackRequest& request) {
  if (request.runtimePath.empty()) return "--runtime BIN is needed to pack a program";
  if (request.projectPath.empty()) return "--project FILE is needed to pack a program";
  if (request.outputPath.empty()) return "-o OUT is needed to pack a program";
  return {};
}

}  // namespace

std::string packUsageText() {
  return std::string(kUsage) + "Run lumaxis-pack --help to see every option.\n";
}

PackCommandLine parsePackCommandLine(const std::vector<std::string>& arguments) {
  PackCommandLine line;
  bool listLanguages = false;
  CLI::App app(
      "lumaxis-pack: makes a stand-alone program from the Lumaxis Logo runtime and a project, "
      "or lists the package a program carries.",
      "lumaxis-pack");
  addOptions(app, line, listLanguages);
  describeProgram(app, kUsage, kFooter);
  const ParseOutcome outcome = parseArguments(app, arguments);
  switch (outcome.kind) {
    case ParseOutcome::Help:
      line.action = PackAction::Help;
      line.text = outcome.text;
      return line;
    case ParseOutcome::Version:
      line.action = PackAction::Version;
      line.text = outcome.text;
      return line;
    case ParseOutcome::Failed:
      line.error = outcome.text;
      return line;
    case ParseOutcome::Parsed:
      break;
  }
  if (listLanguages) {
    line.action = PackAction::ListLanguages;
  } else if (app.count("--list") > 0) {
    line.action = PackAction::List;
  } else {
    line.error = missingForPacking(line.request);
  }
  return line;
}

}  // namespace lx
