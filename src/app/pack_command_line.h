// The command line of lumaxis-pack: pack a project onto the runtime, list
// the package a program carries, or answer a question about itself.
// Options may come in any order.
#pragma once

#include <string>
#include <vector>

#include "app/package_maker.h"

namespace lx {

enum class PackAction { Pack, List, ListLanguages, Help, Version };

struct PackCommandLine {
  PackAction action = PackAction::Pack;
  PackRequest request;        // with Pack
  std::string listedProgram;  // with List
  std::string text;           // with Help the help text, with Version the version line
  std::string error;          // empty when the command line is good
};

PackCommandLine parsePackCommandLine(const std::vector<std::string>& arguments);

// The short usage printed after a bad command line.
std::string packUsageText();

}  // namespace lx
