// The text forms in which table entries are saved with a project: a variable
// as one instruction line, a procedure as its definition text.
#pragma once

#include <string>
#include <string_view>

#include "interp/var_tab.h"

namespace lx {

enum class SaveKind {
  Make = 1,     // `make "name value`
  Let = 5,      // `let "name value`
  Declaration,  // the name and value after a prefix the project writer chooses
};

// The line a variable saves as, without a line end; empty when the variable
// is not saved (marked so, or named with a leading "@").
std::string variableSaveLine(const tLogoVarDesc& variable, SaveKind kind, std::string_view declarationPrefix = {});

// A value as it is written into a saved line: show form, lists with their
// brackets, a word that is not a number after a double quote.
std::string savedValueText(const Value& value);

}  // namespace lx
