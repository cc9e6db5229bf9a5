// Making Logo procedures from lists and from text.
#include "interp/procedure_definition.h"

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/reader.h"
#include "values/valid_name.h"

namespace lx {
namespace {

// The name of an input ":a" or "a".
NameCode inputName(const Value& input) {
  std::string text = input->wordText();
  if (!text.empty() && text.front() == ':') text.erase(0, 1);
  if (text.empty()) throw eLogoException(erBadStructure, input);
  return codeOf(text);
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return lines;
}

bool isCommentLine(std::string_view line) {
  const std::string_view trimmed = trimBlanks(line);
  return !trimmed.empty() && trimmed.front() == ';';
}

}  // namespace

bool isToWord(std::string_view word) { return isLocalEntry("other", "to", word); }
bool isEndWord(std::string_view word) { return isLocalEntry("other", "end", word); }

std::unique_ptr<tLogoProcDesc> procedureFromList(NameCode name, const tLogoList& definition) {
  if (definition.isEmpty()) throw eLogoException(erEmptyList, selfValue(definition));
  const tLogoList* inputs = asList(*definition.element());
  if (!inputs) throw eLogoException(erExpectList, definition.element());
  ListBuilder lines;
  for (auto it = ++definition.begin(); it != definition.end(); ++it) {
    if (!(*it)->isList()) throw eLogoException(erExpectList, *it);
    lines.add(*it);
  }
  std::vector<NameCode> params;
  for (const Value& input : *inputs) {
    if (const tLogoList* collecting = asList(*input)) {
      if (inputs->count() != 1 || collecting->count() != 2) throw eLogoException(erBadStructure, input);
      const int32_t count = collecting->rest()->element()->asIntegerIn(0, 1000);
      return std::make_unique<tLogoProcDescV>(name, inputName(collecting->element()), count, Value(lines.finish()));
    }
    params.push_back(inputName(input));
  }
  return std::make_unique<tLogoProcDescF>(name, params, Value(lines.finish()));
}

std::unique_ptr<tLogoProcDesc> procedureFromText(std::string_view text) {
  std::vector<std::string_view> textLines = splitLines(text);
  while (!textLines.empty() && trimBlanks(textLines.back()).empty()) textLines.pop_back();
  if (textLines.empty()) throw eLogoException::withWord(erMissingTO, "");
  const Ref<tLogoList> title = readList(textLines.front());
  if (title->isEmpty() || !isToWord(title->element()->wordText()))
    throw eLogoException::withWord(erMissingTO, textLines.front());
  if (!title->rest()) throw eLogoException::withWord(erMissingToName, textLines.front());
  const Value name = title->rest()->element();
  ListBuilder header;
  ListBuilder inputs;
  for (auto it = ++(++title->begin()); it != title->end(); ++it) inputs.add(*it);
  header.add(inputs.finish());
  size_t last = textLines.size();
  if (last > 1 && isEndWord(trimBlanks(textLines.back()))) --last;
  // The body is read as a whole, so that a list may run over several lines.
  // Whole-line comments stay in the text but are never run.
  std::string body;
  for (size_t i = 1; i < last; ++i)
    if (!isCommentLine(textLines[i])) body.append(textLines[i]).append("\n");
  const Ref<tLogoList> lines = readList(body, ReadMode::Lines);
  for (const Value& line : *lines) header.add(line);
  auto procedure = procedureFromList(name->nameCode(), *header.finish());
  procedure->sourceText = std::string(text);
  if (!isValidName(name->wordText())) throw eLogoException(erBadProcName, name);
  return procedure;
}

tLogoProcDesc* defineProcedure(tLogoTab& table, std::unique_ptr<tLogoProcDesc> procedure) {
  const NameCode name = procedure->name;
  if (!isValidName(nameOf(name))) throw eLogoException::withName(erBadProcName, name);
  if (const tTabDesc* existing = table.findOrNull(name)) {
    if (existing->flags & kBuiltIn) throw eLogoException::withName(erRedefinePrimitiveProc, name);
    if (!existing->mayErase()) throw eLogoException::withName(erRedefineUsedProc, name);
  }
  return static_cast<tLogoProcDesc*>(table.add(std::move(procedure)));
}

}  // namespace lx
