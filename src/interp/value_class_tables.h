// The method tables of the value classes (text words, integers, reals,
// booleans, lists) and the global primitives that dispatch to them: the
// operators and the word/list primitives.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

// Fills the five class tables under the current language's spellings.
// Called at start-up, and again after the language changes.
void initValueClassTables();

// Registers into `table` the operators under their literal names and the
// word/list primitives that dispatch to value methods.
void registerOperators(tLogoTab& table);

}  // namespace lx
