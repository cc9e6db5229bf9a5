// Filling in templates. Nested lists are handled from an explicit stack of
// frames, one per list being copied, so nesting depth costs no stack.
#include "values/list_template.h"

#include <cassert>
#include <vector>

#include "core/logo_exception.h"
#include "values/list_builder.h"

namespace lx {
namespace {

TemplateEvaluator templateEvaluator = nullptr;

bool isWordText(const Value& element, std::string_view text) {
  return element->isWord() && element->wordText() == text;
}

bool isVariableWord(const Value& element) {
  if (!element->isWord()) return false;
  const std::string text = element->wordText();
  return !text.empty() && text[0] == ':';
}

Value evaluated(const Value& expression) {
  assert(templateEvaluator && "templates need the evaluator");
  if (!templateEvaluator) throw eLogoException(erUnexpected, expression);
  Value value = templateEvaluator(expression);
  if (!value) throw eLogoException(erDidNotReport, expression);
  return value;
}

// The group that starts at `open` (a "(" word): its tokens up to the
// matching ")" as a list. `after` is set to the cell that follows.
Ref<tLogoList> groupFrom(const tLogoList* open, const tLogoList& whole, const tLogoList** after) {
  int depth = 0;
  ListBuilder group;
  for (const tLogoList* cell = open; cell; cell = cell->rest().get()) {
    group.add(cell->element());
    if (isWordText(cell->element(), "("))
      ++depth;
    else if (isWordText(cell->element(), ")") && --depth == 0) {
      *after = cell->rest().get();
      return group.finish();
    }
  }
  throw eLogoException(erMissingRpar, selfRef(whole));
}

struct Frame {
  const tLogoList* list;  // the list being copied
  const tLogoList* cell;  // its next cell to look at; none at the end
  int position = 0;       // 1-based position of the last element looked at
  ListBuilder copy;
};

}  // namespace

void setTemplateEvaluator(TemplateEvaluator evaluator) { templateEvaluator = evaluator; }

Value fillTemplate(const tLogoList& list, TemplatePositions positions) {
  if (list.isEmpty()) return selfRef(list);
  std::vector<Frame> frames;
  frames.push_back(Frame{&list, &list, 0, {}});
  for (;;) {
    Frame& frame = frames.back();
    if (!frame.cell) {
      Ref<tLogoList> filled = frame.copy.finish();
      frames.pop_back();
      if (frames.empty()) return filled;
      frames.back().copy.add(std::move(filled));
      continue;
    }
    const tLogoList* cell = frame.cell;
    const Value& element = cell->element();
    frame.cell = cell->rest().get();
    ++frame.position;
    const bool active = positions == TemplatePositions::All || frame.position % 2 == 0;
    const tLogoList* nested = asList(*element);
    if (!active || (nested && nested->isEmpty())) {
      frame.copy.add(element);
    } else if (nested) {
      frames.push_back(Frame{nested, nested, 0, {}});  // `frame` is not used past this point
    } else if (isVariableWord(element)) {
      frame.copy.add(evaluated(element));
    } else if (isWordText(element, "(")) {
      const Ref<tLogoList> group = groupFrom(cell, *frame.list, &frame.cell);
      frame.copy.add(evaluated(group));
    } else {
      frame.copy.add(element);
    }
  }
}

}  // namespace lx
