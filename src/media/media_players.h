// The media files open on the sound output, each under an alias: those of
// `mci` and `openvideo`, and the one a `playfile` plays. A file's device
// type comes from its extension and says what it shares: a file of the
// MIDI kind needs the MIDI output the melodies use, one of the wave kind
// the wave player, so starting one stops the others of its kind.
#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/media_track.h"

namespace lx {

enum class MediaKind { Midi, Wave, Other };

struct MediaDevice {
  int id = 0;  // the number `open` answers
  std::string alias;
  std::string type;  // "sequencer", "waveaudio" or "mpegvideo"
  MediaKind kind = MediaKind::Other;
  std::filesystem::path file;
  std::unique_ptr<MediaTrack> track;
  std::atomic<bool> framesFormat{false};  // positions in frames of 1/25 s, not milliseconds
  // Set (under the wait mutex) when another process stops or closes the
  // device, which ends a wait for its end.
  std::atomic<bool> interrupted{false};
};

// The device type for a file's extension; empty when no device plays it.
std::string deviceTypeOf(const std::filesystem::path& file);

// Opens the file under the alias, its type given or else found from the
// extension; error 49 when the alias is taken or the file cannot be played.
std::shared_ptr<MediaDevice> openMediaDevice(const std::filesystem::path& file, std::string type,
                                             const std::string& alias);
// The device open under the alias (letter case aside), or null.
std::shared_ptr<MediaDevice> findMediaDevice(const std::string& alias);
// Closes it; false when no device has that alias.
bool closeMediaDevice(const std::string& alias);
void closeAllMediaDevices();
// A new alias of the form "LumaxisM<n>".
std::string newMediaAlias();

// Stops the device, ending whatever waits for it to end.
void stopMediaDevice(MediaDevice& device);
// Stops every media file of that kind that plays now, but `except`.
void stopMediaOfKind(MediaKind kind, const MediaDevice* except = nullptr);
// Waits, letting the interpreter lock go, until the device has played to
// where it was told or was stopped by someone else. A process told to stop
// stops the device and ends at once.
void waitForMediaEnd(MediaDevice& device);

}  // namespace lx
