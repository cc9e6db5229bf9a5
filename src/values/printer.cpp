// Writing lists and words as text.
#include "values/printer.h"

#include <vector>

namespace lx {
namespace {

void appendElement(std::string& out, const tlogoobject& element, TextForm form) {
  out += form == TextForm::Show ? element.showText(1) : element.printText(1);
}

// Writes the elements of `list` in order. A nested list opens a new level:
// the place to go on from in the enclosing list is kept on an explicit
// stack rather than in a recursive call.
void appendElements(std::string& out, const tLogoList& list, TextForm form) {
  std::vector<const tLogoList*> resume;  // per open nested list: the cell after it
  const tLogoList* cell = list.isEmpty() ? nullptr : &list;
  bool firstOfLevel = true;
  for (;;) {
    while (cell) {
      if (!firstOfLevel) out += ' ';
      firstOfLevel = false;
      const tlogoobject& element = *cell->element();
      if (const tLogoList* nested = asList(element)) {
        resume.push_back(cell->rest().get());
        out += '[';
        cell = nested->isEmpty() ? nullptr : nested;
        firstOfLevel = true;
        continue;
      }
      appendElement(out, element, form);
      cell = cell->rest().get();
    }
    if (resume.empty()) return;
    out += ']';
    cell = resume.back();
    resume.pop_back();
    firstOfLevel = false;
  }
}

}  // namespace

std::string listText(const tLogoList& list, int level, TextForm form) {
  std::string out;
  if (level != 0) out += '[';
  appendElements(out, list, form);
  if (level != 0) out += ']';
  return out;
}

std::string printLines(const tLogoList& list) {
  std::string out;
  for (const Value& element : list) {
    out += element->printText(0);
    out += "\r\n";
  }
  return out;
}

std::string wordPrintText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) out += '\n';
  }
  return out;
}

}  // namespace lx
