// Describing an object as project text and loading it into a container.
#include "app/net_object_text.h"

#include "app/project_loader.h"
#include "app/project_text_splitter.h"
#include "app/project_text_writer.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "objects/main_object.h"
#include "objects/object_addressing.h"
#include "values/list.h"
#include "values/reader.h"

namespace lx {
namespace {

// The object and what it contains, saved by number: the objects refer to
// each other by the order the load makes them, not by names the receiving
// project may already use, and the object's own place is not written.
std::string describe(tmultiobject& object) {
  ProjectSave save;
  save.numbered = true;
  save.names = std::vector<std::string>{object.name()};
  return writeProjectText(save);
}

// The name the text uses to run a line as `container`; empty for the main
// object (a line runs as the main object anyway).
// The container is an object or a list naming one (the empty list: the
// main object); error 50 for a name that names none.
std::string containerPrefix(const Value& container) {
  const tlogoobjectlist named = resolveAddress(container);
  if (named.empty() || named.front().get() == mainObject()) return {};
  return named.front()->name() + "'";
}

// The first line that makes an object is the sent object's own; it is
// made inside the container. The lines after it place its contents.
std::string placedIn(const std::string& text, const std::string& prefix) {
  size_t line = 0;
  while (line < text.size()) {
    const size_t end = text.find('\n', line);
    const size_t first = text.find_first_not_of(" \t\r", line);
    if (first != std::string::npos && (end == std::string::npos || first < end) && text[first] != ';') {
      std::string placed = text;
      placed.insert(first, prefix);
      return placed;
    }
    if (end == std::string::npos) break;
    line = end + 1;
  }
  return text;
}

// Whether a line only makes an object: `.new.` or `newclass` (run as some
// object or not) with inputs that are written out, a quoted word or a list.
// Such a line's entries are data; the object's procedures and handlers run
// only when the receiving project calls them.
bool makesObject(const std::string& line) {
  try {
    const Ref<tLogoList> words = readList(line, ReadMode::Sequence, OpenBrackets::CloseAtEnd);
    auto word = words->begin();
    if (word == words->end() || !(*word)->isWord()) return false;
    const std::string command = (*word)->wordText();
    const std::string called = command.substr(command.rfind('\'') + 1);
    if (!namesEqual(called, localName(".new.")) && !namesEqual(called, localName("newclass"))) return false;
    for (++word; word != words->end(); ++word) {
      const Value& input = *word;
      if (!input->isList() && !(input->isWord() && input->wordText().rfind('"', 0) == 0)) return false;
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// A received text without run permission: the lines that make objects,
// and nothing that would run a stranger's instructions or define
// procedures of the receiving project.
std::string objectLinesOf(const std::string& text) {
  std::string kept;
  for (const ProjectInstruction& instruction : splitProjectText(text))
    if (instruction.kind == ProjectInstruction::Line && makesObject(instruction.text))
      kept += instruction.text + "\r\n\r\n";
  return kept;
}

void recreate(const std::string& text, const Value& container, bool runAllowed) {
  ProjectLoad load;
  load.text = placedIn(runAllowed ? text : objectLinesOf(text), containerPrefix(container));
  load.raiseEvents = runAllowed;
  loadProjectText(load);
}

}  // namespace

NetObjectTransfer netObjectText() {
  return {describe, recreate};
}

}  // namespace lx
