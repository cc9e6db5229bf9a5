// Checking a dictionary file before it is used.
#include "lang/dictionary_file.h"

#include <fstream>
#include <iterator>

#include "lang/coded_stream.h"

namespace lx {
namespace {

bool endsLine(char c) {
  return c == '\r' || c == '\n' || c == '\0';
}

// What the decoded text's shape forbids, before any of it is parsed: an
// overlong line or more sections than a dictionary ever has.
std::string shapeProblem(std::string_view text) {
  size_t line = 1, start = 0, sections = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !endsLine(text[i])) continue;
    if (i - start > kMaxDictionaryLineBytes)
      return "line " + std::to_string(line) + " is longer than " + std::to_string(kMaxDictionaryLineBytes) +
             " characters";
    const std::string_view trimmed = trimBlanks(text.substr(start, i - start));
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']' &&
        ++sections > kMaxDictionarySections)
      return "it has more than " + std::to_string(kMaxDictionarySections) + " sections";
    if (i < text.size() && text[i] == '\n') ++line;
    start = i + 1;
  }
  return "";
}

// The first entry of `complete` that `tables` lacks, or "".
std::string missingEntry(const TDTables& tables, const TDTables& complete) {
  for (const TDTable& section : complete.sections()) {
    const TDTable* own = tables.section(section.name());
    for (const TDEntry& entry : section.entries())
      if (!own || !own->find(entry.key))
        return "the entry " + entry.key + " of section [" + section.name() + "] is missing";
  }
  return "";
}

DictionaryFile refused(std::string problem) {
  return {nullptr, std::move(problem)};
}

}  // namespace

DictionaryFile readDictionaryBytes(std::string_view coded, const TDTables* complete) {
  if (coded.size() > kMaxDictionaryFileBytes) return refused("it is larger than 4 MB");
  const std::string text = decodeCoded(coded);
  if (std::string problem = shapeProblem(text); !problem.empty()) return refused(std::move(problem));
  auto tables = std::make_unique<TDTables>();
  tables->parse(text);
  const TDTable* first = tables->firstParsedSection();
  if (!first) return refused("it holds no dictionary text (it is not coded, or it is damaged)");
  if (first->entries().empty()) return refused("its first section [" + first->name() + "] is empty");
  if (complete) {
    if (std::string problem = missingEntry(*tables, *complete); !problem.empty())
      return refused(std::move(problem));
  }
  return {std::move(tables), ""};
}

DictionaryFile readDictionaryFile(const std::filesystem::path& path, const TDTables* complete) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return refused("it cannot be read");
  if (size > kMaxDictionaryFileBytes) return refused("it is larger than 4 MB");
  std::ifstream in(path, std::ios::binary);
  const std::string coded{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.eof() && in.fail()) return refused("it cannot be read");
  return readDictionaryBytes(coded, complete);
}

}  // namespace lx
