// The primitives of processes: starting them (`launch`, `forever`, `every`,
// `after`), stopping them (`cancel`, `stopme`, `stopall`), asking about
// them, pausing them, `wait` and `runcritical`.
#pragma once

namespace lx {

class tLogoTab;
void registerProcessPrimitives(tLogoTab& table);

}  // namespace lx
