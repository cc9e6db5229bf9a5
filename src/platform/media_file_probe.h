// What a media file holds, read from its first bytes and headers: the kind
// of sound and how long it plays. The recording backend plays files by
// this alone; the audio backend asks it the length of what its decoder
// cannot measure (MIDI files).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace lx {

enum class MediaFormat { Unknown, Wave, Midi, Ogg, Mp3 };

struct MediaProbe {
  MediaFormat format = MediaFormat::Unknown;
  int64_t lengthMs = 0;
  std::string error;  // why the file cannot be played; empty when it can
};

MediaProbe probeMediaFile(const std::filesystem::path& file);

}  // namespace lx
