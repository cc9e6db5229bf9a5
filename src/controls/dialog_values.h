// Between Logo values and dialog texts: what a dialog shows for a value,
// and the value an answer stands for.
#pragma once

#include <string>
#include <vector>

#include "controls/dialog_request.h"
#include "core/ref.h"
#include "interp/logo_stack.h"

namespace lx {

// The value as `print` shows it (a list without its outer brackets).
std::string dialogText(const Value& value);
// The items of a list as a chooser shows them; a word is one item.
std::vector<std::string> itemTexts(const Value& items);
// The item of `items` that the answer names: the first one shown as the
// answer is (in any letter case); none when there is none.
Value itemNamed(const Value& items, const std::string& answer);
// The empty list, the answer of every cancelled dialog.
Value cancelled();
// Takes the inputs of a primitive with a variable count: fewer than
// `least` is error 27, more than `most` error 38.
std::vector<Value> optionalInputs(tLogoStack& stack, int count, int least, int most);

}  // namespace lx
