// The shared MIDI output: players, opening and the delayed closing.
#include "media/midi_device.h"

#include <chrono>
#include <mutex>
#include <vector>

#include "interp/process_waits.h"
#include "media/media_players.h"
#include "media/midi_channels.h"
#include "platform/clock.h"
#include "platform/platform.h"

namespace lx {
namespace {

// How long the device stays open after the last player, so that melodies
// played one after another do not reopen it each time.
constexpr std::chrono::milliseconds kCloseDelay{500};

struct Players {
  std::mutex mutex;  // the players lock; guards the fields below
  int active = 0;
  std::vector<std::atomic<bool>*> stopFlags;  // of the processes playing now
  SteadyTime lastEnded;                       // when the last player went
};

Players& players() {
  static Players kept;
  return kept;
}

SoundOutput* output() {
  PlatformBackend* backend = startedPlatform();
  return backend ? &backend->sound() : nullptr;
}

// Opens the device and sets up again every channel in use; the players
// lock is held.
void openDevice() {
  SoundOutput* out = output();
  if (!out || out->midiOpen() || !out->openMidi()) return;
  for (const auto& [channel, instrument] : midiChannels().used()) sendChannelSetup(channel, instrument);
}

// The close timer's callback, on the user-interface thread: closes the
// device when nobody has played for the delay, and looks again later while
// the players lock is busy or a player went since the timer started.
void closeWhenIdle() {
  std::unique_lock lock(players().mutex, std::try_to_lock);
  if (!lock.owns_lock()) {
    uiThread().setTimer(kCloseDelay, TimerRepeat::Once, closeWhenIdle);
    return;
  }
  if (players().active > 0) return;  // the player that ends last starts a timer again
  const auto idle = std::chrono::steady_clock::now() - players().lastEnded;
  if (idle < kCloseDelay) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(kCloseDelay - idle);
    uiThread().setTimer(left, TimerRepeat::Once, closeWhenIdle);
    return;
  }
  if (SoundOutput* out = output()) out->closeMidi();
}

}  // namespace

bool midiDeviceOpen() {
  SoundOutput* out = output();
  return out && out->midiOpen();
}

void sendMidi(const MidiMessage& message) {
  if (SoundOutput* out = output()) out->sendMidi(message);
}

void sendChannelSetup(int channel, int instrument) {
  sendMidi(MidiMessage::controller(channel, 125, 0));  // omni on
  sendMidi(MidiMessage::controller(channel, 127, 0));  // poly on
  if (instrument != 128) sendMidi(MidiMessage::programChange(channel, instrument));
}

MidiPlayer::MidiPlayer(std::atomic<bool>& stopPlay) : stopPlay_(stopPlay) {
  // A media file of the MIDI kind gives the device back to the melodies.
  if (!midiDeviceOpen()) stopMediaOfKind(MediaKind::Midi);
  std::lock_guard lock(players().mutex);
  stopPlay_ = false;
  ++players().active;
  players().stopFlags.push_back(&stopPlay_);
  openDevice();
}

MidiPlayer::~MidiPlayer() {
  std::lock_guard lock(players().mutex);
  std::erase(players().stopFlags, &stopPlay_);
  if (--players().active > 0 || !startedPlatform()) return;
  players().lastEnded = std::chrono::steady_clock::now();
  uiThread().setTimer(kCloseDelay, TimerRepeat::Once, closeWhenIdle);
}

void stopAllMelodies() {
  std::lock_guard lock(players().mutex);
  changeAndNotify([] {
    for (std::atomic<bool>* flag : players().stopFlags) *flag = true;
  });
  if (SoundOutput* out = output()) out->closeMidi();
}

void closeMidiDevice() {
  std::lock_guard lock(players().mutex);
  if (SoundOutput* out = output()) out->closeMidi();
}

}  // namespace lx
