// A media command string as `mci` takes it: a verb, the device it is for
// (an alias, or a file name in double quotes when opening) and the words
// that follow, some of them keywords with a value ("alias A", "to 500").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

struct MciCommand {
  std::string verb;                // lower case
  std::string device;              // as written, without its quotes
  std::vector<std::string> words;  // the rest, each without its quotes

  // The word after `keyword` (compared without letter case); none when the
  // keyword is missing or last.
  std::optional<std::string> valueOf(std::string_view keyword) const;
  // Whether the word is there, alone or as a keyword.
  bool has(std::string_view flag) const;
};

MciCommand readMciCommand(std::string_view text);

}  // namespace lx
