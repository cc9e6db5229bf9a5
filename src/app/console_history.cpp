// The history file's place.
#include "app/console_history.h"

#include <cstdlib>

namespace lx {

std::optional<std::filesystem::path> historyFile(const char* dataHome, const char* home) {
  std::filesystem::path data;
  // Relative paths in XDG_DATA_HOME are to be ignored: they would follow
  // whatever folder the program happens to start in.
  if (dataHome && *dataHome && std::filesystem::path(dataHome).is_absolute()) {
    data = dataHome;
  } else if (home && *home) {
    data = std::filesystem::path(home) / ".local" / "share";
  } else {
    return std::nullopt;
  }
  return data / "lumaxis" / "history";
}

std::optional<std::filesystem::path> historyFile() {
  return historyFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace lx
