// Running media command strings: open, play, stop, pause, resume, close,
// status (mode, position, length), seek, set time format and step, on the
// media files open under their aliases (media_players.h).
#pragma once

#include <string>
#include <string_view>

namespace lx {

// Runs one command and gives its result text (empty for most commands).
// A command that fails is error 49 saying why; a `play ... wait` lets the
// interpreter lock go until the file has played.
std::string runMciCommand(std::string_view text);

}  // namespace lx
