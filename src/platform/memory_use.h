// How much memory the program uses, for the diagnostics a project can print.
#pragma once

#include <cstdint>

namespace lx {

// The program's resident memory in kilobytes; 0 when the system does not tell.
uint64_t residentKilobytes();

}  // namespace lx
