// Message boxes, button boxes, typed answers, lists and pop-up menus.
// Every one that outputs answers the empty list when cancelled.
#include "controls/dialog_primitives.h"

#include "controls/dialog_runner.h"
#include "controls/dialog_sources.h"
#include "controls/dialog_values.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/list.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

// `messagebox` text, or (`messagebox` caption text): shows the text with
// one OK button and waits for it.
Value messagebox(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = optionalInputs(stack, count, 1, 2);
  DialogRequest request = dialogRequest(DialogKind::Message, "MessageBox");
  request.prompt = dialogText(inputs.back());
  if (count == 2) request.caption = dialogText(inputs[0]);
  askDialog(request);
  return Value();
}

// `dialogbox` text, (`dialogbox` text buttons) or (`dialogbox` caption
// text buttons): the caption of the button pressed, as a word. Without
// buttons of its own the box has OK and Cancel, and Cancel cancels.
Value dialogbox(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = optionalInputs(stack, count, 1, 3);
  DialogRequest request = dialogRequest(DialogKind::Buttons, "DialogBox");
  request.prompt = dialogText(inputs[count == 3 ? 1 : 0]);
  if (count == 3) request.caption = dialogText(inputs[0]);
  if (count >= 2) {
    if (!inputs.back()->isList()) throw eLogoException(erExpectList, inputs.back());
    if (inputs.back()->isEmpty()) throw eLogoException(erEmptyList, inputs.back());
    request.items = itemTexts(inputs.back());
  }
  const DialogAnswer answer = askDialog(request);
  if (!answer || answer->empty()) return cancelled();
  if (count >= 2) {
    const Value button = itemNamed(inputs.back(), *answer);
    return button ? button : cancelled();
  }
  // The default buttons: the second one, Cancel, answers as a cancel does.
  const DialogForm form(request);
  return *answer == form.buttons().back() ? cancelled() : makeWord(*answer);
}

// (`readworddialog` prompt caption text), each optional: the line typed.
DialogAnswer typedLine(tLogoStack& stack, int count, const char* form) {
  const std::vector<Value> inputs = optionalInputs(stack, count, 0, 3);
  DialogRequest request = dialogRequest(DialogKind::Text, form);
  if (count >= 1) request.prompt = dialogText(inputs[0]);
  if (count >= 2) request.caption = dialogText(inputs[1]);
  if (count >= 3) request.text = dialogText(inputs[2]);
  return askDialog(request);
}

Value readworddialog(tLogoStack& stack, int count) {
  const DialogAnswer answer = typedLine(stack, count, "ReadWordDialog");
  return answer ? Value(makeWord(*answer)) : cancelled();
}

// The line typed, read as a list (a mistake in its brackets is its error).
Value readlistdialog(tLogoStack& stack, int count) {
  const DialogAnswer answer = typedLine(stack, count, "ReadListDialog");
  return answer ? Value(readList(*answer)) : cancelled();
}

Value chooseFrom(const Value& items, DialogRequest request) {
  if (!items->isList()) throw eLogoException(erExpectList, items);
  request.kind = DialogKind::Choice;
  request.items = itemTexts(items);
  request.selected = 0;
  const DialogAnswer answer = askDialog(request);
  if (!answer) return cancelled();
  const Value item = itemNamed(items, *answer);
  return item ? item : cancelled();
}

// `chooser` items, or (`chooser` items prompt caption): the item chosen.
Value chooser(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = optionalInputs(stack, count, 1, 3);
  DialogRequest request = dialogRequest(DialogKind::Choice, "Chooser");
  if (count >= 2) request.prompt = dialogText(inputs[1]);
  if (count >= 3) request.caption = dialogText(inputs[2]);
  return chooseFrom(inputs[0], request);
}

// `popup` items position: the item chosen from a menu of the items. The
// position ([x y] on the page, or [] for the pointer's) must be a list.
Value popup(const Value& items, const Value& position) {
  if (!position->isList()) throw eLogoException(erExpectList, position);
  return chooseFrom(items, dialogRequest(DialogKind::Choice, "Popup"));
}

// `voiceChooser`: the name of the voice chosen among the speech voices.
Value voiceChooser() {
  DialogRequest request = dialogRequest(DialogKind::Choice, "VoiceChooser");
  request.items = voiceNames();
  request.selected = 0;
  const DialogAnswer answer = askDialog(request);
  return answer && !answer->empty() ? Value(makeWord(*answer)) : cancelled();
}

// `editimage` image: the picture editor is not part of the runtime; the
// input is taken and dropped.
Value editimage(const Value&) {
  return Value();
}

}  // namespace

void registerDialogPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "messagebox", false, 1u, messagebox);
  registerPrimitive<tMainPasProcDesc>(table, "dialogbox", false, 1u, dialogbox);
  registerPrimitive<tMainPasProcDesc>(table, "readworddialog", false, 0u, readworddialog);
  registerPrimitive<tMainPasProcDesc>(table, "readlistdialog", false, 0u, readlistdialog);
  registerPrimitive<tMainPasProcDesc>(table, "chooser", false, 1u, chooser);
  registerPrimitive<tMainPasProcDesc2p>(table, "popup", false, popup);
  registerPrimitive<tMainPasProcDesc0p>(table, "voiceChooser", false, voiceChooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "editimage", false, editimage);
  registerChooserPrimitives(table);
}

}  // namespace lx
