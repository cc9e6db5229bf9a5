// The diagnostics a project can ask for: the memory in use, how much the
// windows have painted, and whether every other process is at rest.
#pragma once

namespace lx {

class tLogoTab;

void registerDiagnosticPrimitives(tLogoTab& table);

}  // namespace lx
