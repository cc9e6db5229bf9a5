// Dialog texts of Logo values, and the values of answers.
#include "controls/dialog_values.h"

#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "values/list.h"

namespace lx {

std::string dialogText(const Value& value) {
  return value ? value->printText(0) : std::string();
}

std::vector<std::string> itemTexts(const Value& items) {
  std::vector<std::string> texts;
  if (!items->isList()) return {dialogText(items)};
  for (const Value& item : *asList(*items)) texts.push_back(dialogText(item));
  return texts;
}

Value itemNamed(const Value& items, const std::string& answer) {
  if (!items->isList()) return namesEqual(dialogText(items), answer) ? items : Value();
  for (const Value& item : *asList(*items)) {
    if (namesEqual(dialogText(item), answer)) return item;
  }
  return Value();
}

Value cancelled() {
  return tLogoList::empty();
}

std::vector<Value> optionalInputs(tLogoStack& stack, int count, int least, int most) {
  if (count > most) throw eLogoException(erTooManyInputs);
  if (count < least) throw eLogoException(erNotEnoughInputs);
  return stack.takeInputs(count);
}

}  // namespace lx
