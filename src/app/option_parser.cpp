// Help layout and parsing shared by the runtime and the packer.
#include "app/option_parser.h"

#include <algorithm>

namespace lx {
namespace {

// Help lines stay within 80 columns: option names in the first column,
// their descriptions beside them.
constexpr size_t kHelpWidth = 80;
constexpr size_t kNameColumn = 28;

// The generated help with the program's own usage lines instead of the
// library's one-line summary.
class ProgramFormatter : public CLI::Formatter {
 public:
  explicit ProgramFormatter(std::string usage) : usage_(std::move(usage)) {}
  std::string make_description(const CLI::App* app) const override { return app->get_description() + "\n\n"; }
  std::string make_usage(const CLI::App*, std::string) const override { return usage_; }
  // The value an option takes, without the library's notes on which
  // options exclude which: the descriptions say that in words.
  std::string make_option_opts(const CLI::Option* option) const override {
    if (option->get_type_size() == 0 || option->get_type_name().empty()) return {};
    return " " + option->get_type_name();
  }

 private:
  std::string usage_;
};

}  // namespace

std::string wrapText(const std::string& text, size_t width) {
  std::string out;
  size_t lineLength = 0;
  size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '\n') {
      out += '\n';
      lineLength = 0;
      ++at;
      continue;
    }
    const size_t end = std::min(text.find_first_of(" \n", at), text.size());
    const std::string word = text.substr(at, end - at);
    if (lineLength > 0 && lineLength + 1 + word.size() > width) {
      out += '\n';
      lineLength = 0;
    } else if (lineLength > 0) {
      out += ' ';
      ++lineLength;
    }
    out += word;
    lineLength += word.size();
    at = end < text.size() && text[end] == ' ' ? end + 1 : end;
  }
  return out;
}

void describeProgram(CLI::App& app, const std::string& usage, const std::string& footer) {
  auto formatter = std::make_shared<ProgramFormatter>(usage);
  formatter->column_width(kNameColumn);
  app.formatter(formatter);
  app.description(wrapText(app.get_description(), kHelpWidth));
  for (CLI::Option* option : app.get_options())
    option->description(wrapText(option->get_description(), kHelpWidth - kNameColumn));
  app.footer(footer);
}

ParseOutcome parseArguments(CLI::App& app, const std::vector<std::string>& arguments) {
  // The library takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
    return {};
  } catch (const CLI::CallForHelp&) {
    return {ParseOutcome::Help, app.help()};
  } catch (const CLI::CallForVersion& version) {
    return {ParseOutcome::Version, std::string(version.what()) + "\n"};
  } catch (const CLI::ParseError& mistake) {
    return {ParseOutcome::Failed, mistake.what()};
  }
}

}  // namespace lx
