// `setoption` and `option`: the global settings as Logo code sees them,
// by the keys of the dictionary's "option" section.
#pragma once

#include <string>
#include <vector>

#include "interp/logo_tab.h"

namespace lx {

void registerOptionPrimitives(tLogoTab& table);

// The program's command-line parameters, for the option "params".
void setProgramParameters(std::vector<std::string> parameters);

// What a full reset does to the settings: the project's go back to their
// defaults (the user's stay), and the stopwatches start again.
void resetOptionsForProject();
// Lets go of the values the settings hold, before the world is taken down.
void forgetOptionValues();

}  // namespace lx
