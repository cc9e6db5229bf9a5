// Variables and procedures of the workspace: `make`, `name`, `thing`,
// `local`, `let`, `inc`, `dec`, `define`, `text`, the tests `name?`,
// `defined?`, `primitive?`, listing, erasing and burying, and the marks that
// keep entries out of a saved project.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

void registerVariablePrimitives(tLogoTab& table);

}  // namespace lx
