// Splitting project text into paragraphs, lines and definitions.
#include "app/project_text_splitter.h"

#include "core/logo_exception.h"
#include "interp/procedure_definition.h"
#include "lang/dictionary.h"
#include "lang/dictionary_table.h"

namespace lx {
namespace {

constexpr std::string_view kToReference = "\xB7other\xB7to";
constexpr std::string_view kEndReference =
    "\xB7other\xB7"
    "end";

// The physical lines of the text, tabs turned into blanks. CR LF, CR and LF
// each end a line.
std::vector<std::string> physicalLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else if (c == '\t') {
      lines.back() += ' ';
    } else if (c == 0 || c == 0x1A) {
      continue;
    } else if (c < 32) {
      throw eLogoException(erLumaxisProject);
    } else {
      lines.back() += static_cast<char>(c);
    }
  }
  return lines;
}

// Joins each line ending with "~" with the line after it (the "~" dropped).
std::vector<std::string> joinedLines(std::vector<std::string> lines) {
  std::vector<std::string> joined;
  joined.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = std::move(lines[i]);
    while (!line.empty() && line.back() == '~' && i + 1 < lines.size()) {
      line.pop_back();
      line += ' ';
      line += lines[++i];
    }
    if (!line.empty() && line.back() == '~') line.pop_back();
    joined.push_back(std::move(line));
  }
  return joined;
}

std::string_view firstWordOf(std::string_view line) {
  line = trimBlanks(line);
  return line.substr(0, line.find(' '));
}

bool isToWordHere(std::string_view word) {
  return word == kToReference || isToWord(word);
}

bool isEndLine(std::string_view line) {
  line = trimBlanks(line);
  return line == kEndReference || (line.find(' ') == std::string_view::npos && isEndWord(line));
}

// Whether the line begins a definition: its first word is a `to` word, or
// ends with an apostrophe and a `to` word (then `owner` is what comes before).
bool startsDefinition(std::string_view line, std::string& owner, std::string& rest) {
  const std::string_view trimmed = trimBlanks(line);
  const std::string_view word = firstWordOf(trimmed);
  std::string_view toWord = word;
  owner.clear();
  if (const size_t apostrophe = word.rfind('\''); apostrophe != std::string_view::npos) {
    owner = std::string(word.substr(0, apostrophe));
    toWord = word.substr(apostrophe + 1);
  }
  if (toWord.empty() || !isToWordHere(toWord)) return false;
  rest = std::string(trimmed.substr(word.size()));
  return true;
}

class Splitter {
 public:
  Splitter(std::vector<std::string> lines, bool lineMode) : lines_(std::move(lines)), lineMode_(lineMode) {}

  std::vector<ProjectInstruction> run() {
    while (at_ < lines_.size()) {
      std::string owner, rest;
      if (trimBlanks(lines_[at_]).empty())
        ++at_;  // an empty instruction: nothing to run
      else if (startsDefinition(lines_[at_], owner, rest))
        collectDefinition(std::move(owner), rest);
      else if (lineMode_)
        add(ProjectInstruction::Line, lines_[at_++], {});
      else
        collectParagraph();
    }
    return std::move(out_);
  }

 private:
  void add(ProjectInstruction::Kind kind, std::string text, std::string owner) {
    out_.push_back({kind, std::move(text), std::move(owner)});
  }

  void collectDefinition(std::string owner, const std::string& rest) {
    std::string text = localEntry("other", "to") + rest;
    for (++at_; at_ < lines_.size(); ++at_) {
      if (isEndLine(lines_[at_])) {
        text += "\r\n" + localEntry("other", "end");
        ++at_;
        break;
      }
      text += "\r\n" + lines_[at_];
    }
    add(ProjectInstruction::Definition, std::move(text), std::move(owner));
  }

  // Consecutive non-empty lines up to an empty one; a `to` line ends the
  // paragraph before it only when it starts one.
  void collectParagraph() {
    std::string text;
    bool first = true;
    for (; at_ < lines_.size(); ++at_) {
      if (trimBlanks(lines_[at_]).empty()) {
        ++at_;
        break;
      }
      if (!first) text += ' ';
      text += lines_[at_];
      first = false;
    }
    add(ProjectInstruction::Line, std::move(text), {});
  }

  std::vector<std::string> lines_;
  bool lineMode_;
  size_t at_ = 0;
  std::vector<ProjectInstruction> out_;
};

}  // namespace

std::vector<ProjectInstruction> splitProjectText(std::string_view text) {
  const size_t start = text.find_first_not_of("\r\n");
  if (start == std::string_view::npos) return {};
  text.remove_prefix(start);
  std::vector<std::string> lines = physicalLines(text);
  bool lineMode = text.substr(0, 2) == ";!";
  if (!lines.empty() && !lines.front().empty() && lines.front().back() == '~') lineMode = true;
  return Splitter(joinedLines(std::move(lines)), lineMode).run();
}

bool isStartupLaunch(std::string_view instruction) {
  const std::string call = "'" + localName("launch") + " [" + localEntry("other", "startup") + "]";
  const std::string lower = asciiLower(instruction);
  const size_t at = lower.rfind(asciiLower(call));
  return at != std::string::npos && lower.size() - (at + call.size()) <= 1;
}

}  // namespace lx
