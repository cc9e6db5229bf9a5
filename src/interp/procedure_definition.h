// Defining procedures written in Logo: from the `define` form (a list of
// inputs followed by body lines) or from definition text (`to` line, body,
// `end`), into a procedure table, refusing to replace a primitive or a
// procedure that is running.
#pragma once

#include <memory>
#include <string_view>

#include "interp/logo_proc_desc.h"
#include "interp/logo_tab.h"
#include "values/list.h"

namespace lx {

// A procedure from [[inputs] line line ...]. An input written as a list
// [name count] makes the procedure collect all its inputs into `name`,
// taking `count` of them without parentheses.
std::unique_ptr<tLogoProcDesc> procedureFromList(NameCode name, const tLogoList& definition);

// A procedure from its definition text: the title line "to name :a :b", the
// body lines, and an optional final "end" line.
std::unique_ptr<tLogoProcDesc> procedureFromText(std::string_view text);

// Adds the procedure to `table`: error 165 for a name that cannot name a
// procedure, 167 over a primitive, 166 over a procedure that is running.
tLogoProcDesc* defineProcedure(tLogoTab& table, std::unique_ptr<tLogoProcDesc> procedure);

// The localized word that begins a title line ("to") and the one that ends a
// definition ("end"), compared with the language's name comparison.
bool isToWord(std::string_view word);
bool isEndWord(std::string_view word);

}  // namespace lx
