// Collecting console lines into instructions.
#include "app/console_lines.h"

#include "interp/procedure_definition.h"
#include "lang/dictionary_table.h"
#include "values/scanner.h"

namespace lx {
namespace {

std::string_view firstWordOf(std::string_view line) {
  line = trimBlanks(line);
  const size_t end = line.find_first_of(" \t");
  return line.substr(0, end);
}

}  // namespace

bool leavesBracketOpen(std::string_view line) {
  tScanner scanner(line);
  int squares = 0;
  int rounds = 0;
  for (TokenKind kind = scanner.next(); kind != TokenKind::End; kind = scanner.next()) {
    if (kind == TokenKind::Open) ++squares;
    if (kind == TokenKind::Close) --squares;
    // Inside a list a round bracket is only a word.
    if (kind == TokenKind::Word && squares == 0 && scanner.tokenText() == "(") ++rounds;
    if (kind == TokenKind::Word && squares == 0 && scanner.tokenText() == ")") --rounds;
  }
  return squares > 0 || rounds > 0;
}

ConsoleLines::ConsoleLines(std::function<std::optional<std::string>()> nextLine)
    : nextLine_([read = std::move(nextLine)](LineWanted) { return read(); }) {}

// Whether `line` goes on on the next line; a trailing "~" is taken off.
bool ConsoleLines::goesOn(std::string& line) const {
  if (!line.empty() && line.back() == '~') {
    line.pop_back();
    return true;
  }
  // A comment line leaves nothing open, whatever it holds.
  const std::string_view trimmed = trimBlanks(line);
  if (!trimmed.empty() && trimmed.front() == ';') return false;
  return bracketsContinue_ && leavesBracketOpen(line);
}

std::optional<std::string> ConsoleLines::joinedLine(LineWanted wanted) {
  std::optional<std::string> line = nextLine_(wanted);
  if (!line) return std::nullopt;
  startLine_ = ++lineNumber_;
  while (goesOn(*line)) {
    std::optional<std::string> more = nextLine_(LineWanted::More);
    if (!more) break;
    ++lineNumber_;
    *line += " " + *more;
  }
  return line;
}

std::optional<ConsoleInstruction> ConsoleLines::next() {
  for (;;) {
    std::optional<std::string> line = joinedLine(LineWanted::First);
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
    while (std::optional<std::string> body = joinedLine(LineWanted::More)) {
      instruction.text += "\r\n" + *body;
      if (isEndWord(firstWordOf(*body))) break;
    }
    return instruction;
  }
}

}  // namespace lx
