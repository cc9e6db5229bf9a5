// The program's own folder, from the executable's path.
#include "platform/program_directory.h"

#include <system_error>

namespace lx {
namespace {

std::filesystem::path& storedDirectory() {
  static std::filesystem::path folder = [] {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
  }();
  return folder;
}

}  // namespace

const std::filesystem::path& programDirectory() { return storedDirectory(); }

std::filesystem::path programFile() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path("/proc/self/exe") : exe;
}

std::string programTitle() { return programFile().stem().string(); }

void setProgramDirectory(std::filesystem::path folder) { storedDirectory() = std::move(folder); }

}  // namespace lx
