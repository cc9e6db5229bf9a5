// Where the interactive console keeps the lines typed, so that Up finds
// them again in the next session: the user's data folder.
#pragma once

#include <filesystem>
#include <optional>

namespace lx {

// "$XDG_DATA_HOME/lumaxis/history", or "$HOME/.local/share/lumaxis/history"
// when XDG_DATA_HOME is unset or not an absolute path; none when neither
// variable gives a folder. The arguments are the variables' values (null:
// unset).
std::optional<std::filesystem::path> historyFile(const char* dataHome, const char* home);

// The same, from the environment.
std::optional<std::filesystem::path> historyFile();

}  // namespace lx
