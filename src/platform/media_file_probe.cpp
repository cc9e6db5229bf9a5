// Reading the headers of wave, MIDI, Ogg and MP3 files for their length.
// Every read is bounded by the file's size: files come from users.
#include "platform/media_file_probe.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace lx {
namespace {

using Bytes = std::vector<uint8_t>;

// Files longer than this are read only this far: their length is then
// measured from their headers alone (wave, MP3) or from the part read.
constexpr size_t kMostBytesRead = 64u << 20;

Bytes readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  Bytes bytes;
  char block[65536];
  while (in && bytes.size() < kMostBytesRead) {
    in.read(block, sizeof block);
    bytes.insert(bytes.end(), block, block + in.gcount());
  }
  return bytes;
}

uint32_t little32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}
uint32_t big32(const Bytes& b, size_t at) {
  return (uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}
uint16_t big16(const Bytes& b, size_t at) {
  return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}
bool startsWith(const Bytes& b, size_t at, std::string_view text) {
  return b.size() >= at + text.size() && std::equal(text.begin(), text.end(), b.begin() + at);
}

MediaProbe failed(MediaFormat format, std::string why) {
  return {format, 0, std::move(why)};
}

// RIFF chunks: "fmt " gives the bytes per second, "data" the sound's size.
MediaProbe probeWave(const Bytes& b, uint64_t fileSize) {
  uint32_t byteRate = 0;
  for (size_t at = 12; at + 8 <= b.size();) {
    const uint32_t size = little32(b, at + 4);
    if (startsWith(b, at, "fmt ") && size >= 16 && at + 24 <= b.size()) byteRate = little32(b, at + 16);
    if (startsWith(b, at, "data")) {
      if (byteRate == 0) return failed(MediaFormat::Wave, "the wave file has no format");
      const uint64_t data = std::min<uint64_t>(size, fileSize - (at + 8));
      return {MediaFormat::Wave, static_cast<int64_t>(data * 1000 / byteRate), {}};
    }
    at += 8 + size + (size & 1);
  }
  return failed(MediaFormat::Wave, "the wave file has no sound data");
}

// A variable-length number of a MIDI track; false past the track's end.
bool readVarLength(const Bytes& b, size_t& at, size_t end, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return false;
    const uint8_t byte = b[at++];
    value = (value << 7) | (byte & 0x7F);
    if (!(byte & 0x80)) return true;
  }
  return false;
}

struct TempoChange {
  uint64_t tick;
  uint32_t microsPerBeat;
};

// Walks one track's events: its last tick, and its tempo changes appended.
bool walkTrack(const Bytes& b, size_t at, size_t end, uint64_t& lastTick, std::vector<TempoChange>& tempos) {
  uint64_t tick = 0;
  uint8_t running = 0;
  while (at < end) {
    uint32_t delta = 0;
    if (!readVarLength(b, at, end, delta) || at >= end) return false;
    tick += delta;
    uint8_t status = b[at];
    if (status & 0x80)
      ++at;
    else if (running)
      status = running;
    else
      return false;
    if (status == 0xFF || status == 0xF0 || status == 0xF7) {
      const uint8_t type = status == 0xFF && at < end ? b[at++] : 0;
      uint32_t length = 0;
      if (!readVarLength(b, at, end, length) || length > end - at) return false;
      if (status == 0xFF && type == 0x51 && length == 3)
        tempos.push_back({tick, (uint32_t{b[at]} << 16) | (b[at + 1] << 8) | b[at + 2]});
      at += length;
      if (status == 0xFF && type == 0x2F) break;
      continue;
    }
    running = status;
    at += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
  }
  lastTick = std::max(lastTick, tick);
  return at <= end;
}

// The header's division and every track's events: the last tick, turned
// into time through the tempo changes (120 beats a minute until the first).
MediaProbe probeMidi(const Bytes& b) {
  if (b.size() < 14 || big32(b, 4) < 6) return failed(MediaFormat::Midi, "the MIDI file has no header");
  const uint16_t division = big16(b, 12);
  if (division == 0 || (division & 0x8000))
    return failed(MediaFormat::Midi, "the MIDI file's timing is not in beats");
  uint64_t lastTick = 0;
  std::vector<TempoChange> tempos;
  size_t at = 8 + big32(b, 4);
  while (at + 8 <= b.size()) {
    const size_t size = big32(b, at + 4);
    const size_t end = std::min(b.size(), at + 8 + size);
    if (startsWith(b, at, "MTrk") && !walkTrack(b, at + 8, end, lastTick, tempos))
      return failed(MediaFormat::Midi, "a track of the MIDI file is damaged");
    at = end;
  }
  std::stable_sort(tempos.begin(), tempos.end(), [](auto& x, auto& y) { return x.tick < y.tick; });
  long double micros = 0;
  uint64_t tick = 0;
  uint32_t perBeat = 500000;
  for (const TempoChange& change : tempos) {
    if (change.tick >= lastTick) break;
    micros += static_cast<long double>(change.tick - tick) * perBeat / division;
    tick = change.tick;
    perBeat = change.microsPerBeat;
  }
  micros += static_cast<long double>(lastTick - tick) * perBeat / division;
  return {MediaFormat::Midi, static_cast<int64_t>(micros / 1000), {}};
}

// Ogg Vorbis or Opus: the sample rate from the first page's header packet,
// the samples from the granule position of the last page.
MediaProbe probeOgg(const Bytes& b) {
  uint32_t rate = 0;
  const size_t packet = b.size() > 27 ? 27 + b[26] : b.size();
  if (startsWith(b, packet, "\x01vorbis") && packet + 16 <= b.size()) rate = little32(b, packet + 12);
  if (startsWith(b, packet, "OpusHead")) rate = 48000;
  if (rate == 0) return failed(MediaFormat::Ogg, "the Ogg file holds no sound this program knows");
  for (size_t at = b.size() >= 14 ? b.size() - 14 : 0; at > 0; --at) {
    if (!startsWith(b, at, "OggS")) continue;
    uint64_t granule = 0;
    for (int i = 7; i >= 0; --i) granule = (granule << 8) | b[at + 6 + i];
    return {MediaFormat::Ogg, static_cast<int64_t>(granule * 1000 / rate), {}};
  }
  return failed(MediaFormat::Ogg, "the Ogg file is damaged");
}

// The first MPEG audio frame after an ID3 tag: its bit rate gives the
// length of a file of constant rate, the common case.
MediaProbe probeMp3(const Bytes& b, uint64_t fileSize) {
  size_t at = 0;
  if (startsWith(b, 0, "ID3") && b.size() >= 10)
    at = 10 + ((b[6] & 0x7F) << 21 | (b[7] & 0x7F) << 14 | (b[8] & 0x7F) << 7 | (b[9] & 0x7F));
  static const int kRates[2][16] = {{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
                                    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}};
  for (const size_t limit = std::min(b.size(), at + 4096); at + 4 <= limit; ++at) {
    if (b[at] != 0xFF || (b[at + 1] & 0xE6) != 0xE2) continue;  // frame sync, layer III
    const bool mpeg1 = (b[at + 1] & 0x18) == 0x18;
    const int kbits = kRates[mpeg1 ? 0 : 1][b[at + 2] >> 4];
    if (kbits == 0 || (b[at + 2] & 0x0C) == 0x0C) continue;
    return {MediaFormat::Mp3, static_cast<int64_t>((fileSize - at) * 8 / kbits), {}};
  }
  return failed(MediaFormat::Mp3, "the file holds no MPEG sound");
}

}  // namespace

MediaProbe probeMediaFile(const std::filesystem::path& file) {
  std::error_code error;
  const uint64_t fileSize = std::filesystem::file_size(file, error);
  if (error) return failed(MediaFormat::Unknown, "the file cannot be read");
  const Bytes b = readBytes(file);
  if (startsWith(b, 0, "RIFF") && startsWith(b, 8, "WAVE")) return probeWave(b, fileSize);
  if (startsWith(b, 0, "MThd")) return probeMidi(b);
  if (startsWith(b, 0, "OggS")) return probeOgg(b);
  if (startsWith(b, 0, "ID3") || (b.size() > 1 && b[0] == 0xFF && (b[1] & 0xE0) == 0xE0))
    return probeMp3(b, fileSize);
  return failed(MediaFormat::Unknown, "the file is not a sound this program can play");
}

}  // namespace lx
