// The version of the program: what --version reports and what saved
// projects record in their header line.
#pragma once

namespace lx {

inline constexpr const char* kProgramVersion = "1.0.0";

}  // namespace lx
