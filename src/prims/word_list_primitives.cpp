// Words and lists made of many inputs, and text parsed into lists.
#include "prims/word_list_primitives.h"

#include <string>

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "interp/logo_stack.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

// The characters of every input in order; a list input is error 8.
Value wordRoutine(tLogoStack& stack, int count) {
  std::string text;
  for (const Value& input : stack.takeInputs(count)) text += input->wordText();
  return makeWord(text);
}

Value listRoutine(tLogoStack& stack, int count) {
  return fromStack(stack, static_cast<size_t>(count));
}

// List inputs give their elements, one level deep.
Value sentenceRoutine(tLogoStack& stack, int count) {
  return spliced(stack, static_cast<size_t>(count));
}

// The input's print form read back: a word's spaces and brackets become
// structure, and a list loses the distinctions its print form drops.
Value parseRoutine(const Value& input) {
  return readList(input->printText(0));
}
Value parselinesRoutine(const Value& input) {
  return readList(input->printText(0), ReadMode::Lines);
}

}  // namespace

void registerWordListPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "word", false, 2u, wordRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "list", false, 2u, listRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "sentence", false, 2u, sentenceRoutine);
  registerPrimitive<tMainPasProcDesc1p>(table, "parse", false, parseRoutine);
  registerPrimitive<tMainPasProcDesc1p>(table, "parselines", false, parselinesRoutine);
}

}  // namespace lx
