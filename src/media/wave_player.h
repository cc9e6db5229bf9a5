// Wave files played through the platform's wave player, one at a time.
#pragma once

#include <filesystem>
#include <string>

namespace lx {

// Finds the file (a name without extension gets ".WAV"), stops what plays
// on the wave device and plays it to its end, letting the interpreter lock
// go meanwhile. A process told to stop ends at once and the wave with it.
void playWaveToEnd(const std::string& name);
// The same for a file already found (spoken text written out as a wave).
void playWaveFileToEnd(const std::filesystem::path& path);
// The same, but returns as soon as the file has started.
void startWave(const std::string& name);
void stopWaves();

}  // namespace lx
