// Turns the lines of a console script into instructions: a line ending in
// "~" continues on the next one, `to` ... `end` collects a definition,
// empty lines and lines beginning with ";" are skipped.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace lx {

struct ConsoleInstruction {
  enum Kind { Line, Definition } kind = Line;
  std::string text;  // internal text; a definition keeps its line breaks
  int firstLine = 0; // 1-based line of the script where it begins
};

class ConsoleLines {
 public:
  // `nextLine` gives the script's lines (internal text, without line ends),
  // none at the end.
  explicit ConsoleLines(std::function<std::optional<std::string>()> nextLine) : nextLine_(std::move(nextLine)) {}

  // The next instruction, none at the end of the script. A definition still
  // open at the end is handed out as it is.
  std::optional<ConsoleInstruction> next();

 private:
  std::optional<std::string> joinedLine();

  std::function<std::optional<std::string>()> nextLine_;
  int lineNumber_ = 0;
  int startLine_ = 0;  // where the line last joined began
};

}  // namespace lx
