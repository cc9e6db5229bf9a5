// Saving variables as instruction lines.
#include "interp/entry_saving.h"

#include "lang/dictionary.h"
#include "values/show_form.h"

namespace lx {

std::string savedValueText(const Value& value) {
  if (!value) return localName("novalue");
  const std::string shown = value->showText(1);
  if (value->isWord() && !value->isNumber()) return "\"" + shown;
  return shown;
}

std::string variableSaveLine(const tLogoVarDesc& variable, SaveKind kind, std::string_view declarationPrefix) {
  const std::string name = variable.nameText();
  if (variable.notSaved() || (!name.empty() && name.front() == '@')) return {};
  const std::string nameShown = showFormOfWord(name);
  switch (kind) {
    case SaveKind::Make:
    case SaveKind::Let:
      return localName(kind == SaveKind::Make ? "make" : "let") + " \"" + nameShown + " " +
             savedValueText(variable.value);
    case SaveKind::Declaration:
      break;
  }
  return std::string(declarationPrefix) + nameShown + " " + savedValueText(variable.value);
}

}  // namespace lx
