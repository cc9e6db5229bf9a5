// Splitting a media command string into its words.
#include "media/mci_command.h"

#include "lang/name_comparison.h"

namespace lx {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Words between blanks; a part in double quotes keeps its blanks.
std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < text.size()) {
    if (isBlank(text[at])) {
      ++at;
      continue;
    }
    std::string word;
    while (at < text.size() && !isBlank(text[at])) {
      if (text[at] != '"') {
        word += text[at++];
        continue;
      }
      const size_t close = text.find('"', at + 1);
      const size_t end = close == std::string_view::npos ? text.size() : close;
      word.append(text.substr(at + 1, end - at - 1));
      at = end == text.size() ? end : end + 1;
    }
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace

std::optional<std::string> MciCommand::valueOf(std::string_view keyword) const {
  for (size_t i = 0; i + 1 < words.size(); ++i)
    if (lowerCase(words[i]) == lowerCase(keyword)) return words[i + 1];
  return std::nullopt;
}

bool MciCommand::has(std::string_view flag) const {
  for (const std::string& word : words)
    if (lowerCase(word) == lowerCase(flag)) return true;
  return false;
}

MciCommand readMciCommand(std::string_view text) {
  std::vector<std::string> words = splitWords(text);
  MciCommand command;
  if (!words.empty()) command.verb = lowerCase(words[0]);
  if (words.size() > 1) command.device = words[1];
  if (words.size() > 2) command.words.assign(words.begin() + 2, words.end());
  return command;
}

}  // namespace lx
