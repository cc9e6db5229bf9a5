// Splitting project text into the instructions the loader runs: paragraphs
// (consecutive non-empty lines joined with blanks, ended by an empty line)
// or, for text that begins with ";!", single lines. A line ending with "~"
// goes on in the next one. A `to` line starts a definition that collects
// every line up to its `end` line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lx {

struct ProjectInstruction {
  enum Kind { Line, Definition } kind = Line;
  // A line: the instruction as it is to be read. A definition: its text from
  // the main `to` word to the main `end` word, lines joined with CR LF.
  std::string text;
  // For a definition written "owner'to ...": the owner's reference.
  std::string owner;
};

// The instructions of `text`, in order. Tabs read as blanks; any other byte
// below 32 inside a line is error 60 (NUL and the end-of-file mark 0x1A are
// dropped). Runs in time and memory linear in the text's length.
std::vector<ProjectInstruction> splitProjectText(std::string_view text);

// Whether a trimmed instruction is the project's start-up call
// ("...'launch [startup]" with at most one character after it), which the
// load leaves for the start-up to run.
bool isStartupLaunch(std::string_view instruction);

}  // namespace lx
