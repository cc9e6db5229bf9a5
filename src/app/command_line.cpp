// Reading the command line.
#include "app/command_line.h"

#include <charconv>

namespace lx {
namespace {

template <class T>
bool parseNumber(const std::string& text, T& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size();
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
  if (!line.playFile.empty() && !line.plain.empty()) return "--play plays one file, not " + line.plain.front();
  if (line.plain.size() == 1 || line.plain.size() > 2) return "cannot use the argument " + line.plain.back();
  return {};
}

}  // namespace

std::string usageText() {
  return "usage: lumaxis [--console [FILE]] [--play FILE] [--lang NAME] [--seed N]\n"
         "               [--headless] [--screenshot OUT.png] [--run-ms N]\n";
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  CommandLine& line = parsed.line;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    auto value = [&](const char* what) -> const std::string* {
      if (i + 1 >= arguments.size()) {
        parsed.error = arg + " needs " + what;
        return nullptr;
      }
      return &arguments[++i];
    };
    if (arg == "--console") {
      line.console = true;
    } else if (arg == "--play") {
      if (const std::string* v = value("a project file")) line.playFile = *v;
    } else if (arg == "--lang") {
      if (const std::string* v = value("a language name")) line.language = *v;
    } else if (arg == "--seed") {
      uint64_t seed = 0;
      if (const std::string* v = value("a number"); v && parseNumber(*v, seed)) line.seed = seed;
      else if (parsed.error.empty()) parsed.error = "--seed needs a whole number";
    } else if (arg == "--run-ms") {
      long ms = 0;
      if (const std::string* v = value("a number"); v && parseNumber(*v, ms) && ms >= 0) line.runMs = ms;
      else if (parsed.error.empty()) parsed.error = "--run-ms needs a whole number of milliseconds";
    } else if (arg == "--headless") {
      line.headless = true;
    } else if (arg == "--screenshot") {
      if (const std::string* v = value("a file name")) line.screenshot = *v;
    } else if (arg.rfind("--", 0) == 0) {
      parsed.error = "unknown option " + arg;
    } else {
      line.plain.push_back(arg);
    }
    if (!parsed.error.empty()) break;
  }
  if (parsed.error.empty()) parsed.error = placePlainArguments(line);
  return parsed;
}

}  // namespace lx
