// The folder the running program was started from, where language files and
// other companions of the program are looked for.
#pragma once

#include <filesystem>
#include <string>

namespace lx {

// The folder of the running executable. Tests may point it elsewhere.
const std::filesystem::path& programDirectory();
// The running executable itself ("/proc/self/exe" when it cannot be named).
std::filesystem::path programFile();
// The program file's name without its extension: the caption of the
// program's own messages.
std::string programTitle();
void setProgramDirectory(std::filesystem::path folder);

}  // namespace lx
