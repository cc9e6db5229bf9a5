// Templates "!" and "!2": a list copied with its ":name" words and its
// "( ... )" groups replaced by their values. Working out a value is the
// evaluator's business; it plugs itself in with setTemplateEvaluator.
#pragma once

#include "values/list.h"

namespace lx {

// Answers the value of `expression`: a ":name" word, or a list holding a
// group's tokens with its parentheses. Raises the evaluator's errors.
using TemplateEvaluator = Value (*)(const Value& expression);
void setTemplateEvaluator(TemplateEvaluator evaluator);

enum class TemplatePositions {
  All,   // "!": every element
  Even,  // "!2": the second, fourth, ... element of each list (the values
         // in a list of alternating names and values)
};

// The template filled in: nested lists are filled in the same way, every
// other element is kept. The empty list answers itself. A "(" without its
// ")" is error 30.
Value fillTemplate(const tLogoList& list, TemplatePositions positions);

}  // namespace lx
