// Turns the lines of a console script into instructions: a line ending in
// "~" continues on the next one, `to` ... `end` collects a definition,
// empty lines and lines beginning with ";" are skipped. Typed at a
// terminal, a line with an open "[" or "(" continues too.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lx {

struct ConsoleInstruction {
  enum Kind { Line, Definition } kind = Line;
  std::string text;   // internal text; a definition keeps its line breaks
  int firstLine = 0;  // 1-based line of the script where it begins
};

// Which line the collector asks for: the first of an instruction, or one
// that continues an unfinished instruction (a terminal prompts differently).
enum class LineWanted { First, More };

// Whether a line leaves a "[" or a "(" open, read with the language's
// escapes ("\[" and "|[|" open nothing).
bool leavesBracketOpen(std::string_view line);

class ConsoleLines {
 public:
  // `nextLine` gives the script's lines (internal text, without line ends),
  // none at the end.
  explicit ConsoleLines(std::function<std::optional<std::string>()> nextLine);
  // The same, told which line is wanted; with `bracketsContinue` a line
  // that leaves a bracket open goes on on the next one. An exception from
  // `nextLine` drops the instruction being collected.
  ConsoleLines(std::function<std::optional<std::string>(LineWanted)> nextLine, bool bracketsContinue)
      : nextLine_(std::move(nextLine)), bracketsContinue_(bracketsContinue) {}

  // The next instruction, none at the end of the script. A definition still
  // open at the end is handed out as it is.
  std::optional<ConsoleInstruction> next();

 private:
  std::optional<std::string> joinedLine(LineWanted wanted);
  bool goesOn(std::string& line) const;

  std::function<std::optional<std::string>(LineWanted)> nextLine_;
  bool bracketsContinue_ = false;
  int lineNumber_ = 0;
  int startLine_ = 0;  // where the line last joined began
};

}  // namespace lx
