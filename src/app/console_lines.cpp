// Collecting console lines into instructions.
#include "app/console_lines.h"

#include "interp/procedure_definition.h"
#include "lang/dictionary_table.h"

namespace lx {
namespace {

std::string_view firstWordOf(std::string_view line) {
  line = trimBlanks(line);
  const size_t end = line.find_first_of(" \t");
  return line.substr(0, end);
}

}  // namespace

std::optional<std::string> ConsoleLines::joinedLine() {
  std::optional<std::string> line = nextLine_();
  if (!line) return std::nullopt;
  startLine_ = ++lineNumber_;
  while (!line->empty() && line->back() == '~') {
    line->pop_back();
    std::optional<std::string> more = nextLine_();
    if (!more) break;
    ++lineNumber_;
    *line += " " + *more;
  }
  return line;
}

std::optional<ConsoleInstruction> ConsoleLines::next() {
  for (;;) {
    std::optional<std::string> line = joinedLine();
    if (!line) return std::nullopt;
    const std::string_view trimmed = trimBlanks(*line);
    if (trimmed.empty() || trimmed.front() == ';') continue;
    ConsoleInstruction instruction;
    instruction.firstLine = startLine_;
    if (!isToWord(firstWordOf(trimmed))) {
      instruction.text = *line;
      return instruction;
    }
    instruction.kind = ConsoleInstruction::Definition;
    instruction.text = *line;
    while (std::optional<std::string> body = joinedLine()) {
      instruction.text += "\r\n" + *body;
      if (isEndWord(firstWordOf(*body))) break;
    }
    return instruction;
  }
}

}  // namespace lx
