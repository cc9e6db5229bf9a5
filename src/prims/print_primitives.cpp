// Printing at the main object, and choosing its output stream.
#include "prims/print_primitives.h"

#include <string>

#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "platform/clipboard.h"
#include "prims/clipboard_output.h"
#include "prims/main_output.h"
#include "values/pools.h"
#include "values/printer.h"

namespace lx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

TextBoxOutputFinder& textBoxFinder() {
  static TextBoxOutputFinder finder;
  return finder;
}

// The inputs' texts joined by `separator`. Print form writes a list without
// its outer brackets (level 0); show form keeps them.
std::string joined(const std::vector<Value>& inputs, TextForm form, std::string_view separator) {
  std::string text;
  for (size_t i = 0; i < inputs.size(); ++i) {
    if (i > 0) text += separator;
    text += form == TextForm::Print ? inputs[i]->printText(0) : inputs[i]->showText();
  }
  return text;
}

// Every routine builds its whole text before writing, so an output stream
// sees one write per call.
Value typeRoutine(tLogoStack& stack, int count) {
  const std::string text = joined(stack.takeInputs(count), TextForm::Print, "");
  if (!text.empty()) writeMainOutput(text);
  return nullptr;
}

Value printRoutine(tLogoStack& stack, int count) {
  writeMainOutput(joined(stack.takeInputs(count), TextForm::Print, " ") + std::string(kLineEnd));
  return nullptr;
}

Value showRoutine(tLogoStack& stack, int count) {
  writeMainOutput(joined(stack.takeInputs(count), TextForm::Show, " ") + std::string(kLineEnd));
  return nullptr;
}

// One line per word, one line per item of a list.
Value printlineRoutine(tLogoStack& stack, int count) {
  std::string text;
  for (const Value& input : stack.takeInputs(count)) {
    if (const tLogoList* list = asList(*input))
      text += printLines(*list);
    else
      text += input->printText(0) + std::string(kLineEnd);
  }
  if (!text.empty()) writeMainOutput(text);
  return nullptr;
}

bool isEmptyList(const Value& v) {
  return v->isList() && v->isEmpty();
}

// The name is checked before the open stream is closed, so a refused
// `printto` leaves the output where it was.
Value printtoRoutine(const Value& destination) {
  if (isEmptyList(destination)) {
    closeOutputStream();
    return nullptr;
  }
  if (!destination->isWord() || !namesClipboard(destination->wordText()))
    throw eLogoException(erNoSave, destination);
  openOutputStream(std::make_shared<ClipboardOutput>());
  return nullptr;
}

Value printtotextboxRoutine(const Value& name) {
  if (isEmptyList(name)) {
    closeOutputStream();
    return nullptr;
  }
  std::shared_ptr<OutputDestination> stream;
  if (textBoxFinder()) stream = textBoxFinder()(name);
  if (!stream) throw eLogoException(erNoTextboxName, name);
  openOutputStream(std::move(stream));
  return nullptr;
}

Value clipboardRoutine() {
  return makeWord(clipboardText());
}

}  // namespace

void setTextBoxOutputFinder(TextBoxOutputFinder finder) {
  textBoxFinder() = std::move(finder);
}

void registerPrintPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "type", true, 1u, typeRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "print", true, 1u, printRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "printline", true, 1u, printlineRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "show", true, 1u, showRoutine);
  registerPrimitive<tMainPasProcDesc1p>(table, "printto", false, printtoRoutine);
  registerPrimitive<tMainPasProcDesc1p>(table, "printtotextbox", false, printtotextboxRoutine);
  registerPrimitive<tMainPasProcDesc0p>(table, "clipboard", false, clipboardRoutine);
}

}  // namespace lx
