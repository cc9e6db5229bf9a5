// Starting this program again in place of the running one: the new run
// takes over the process, its standard streams and its exit status.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lx {

// Whether `program` is a file this process may start.
bool programCanBeStarted(const std::filesystem::path& program);

// Replaces the running program by `program` with `arguments` (without the
// program's own name, which is added). Answers only when that fails, with
// the reason.
std::string replaceProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments);

}  // namespace lx
