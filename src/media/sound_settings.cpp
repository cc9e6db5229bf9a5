// Melody settings and the copy of the last ones made.
#include "media/sound_settings.h"

#include <bit>
#include <mutex>

namespace lx {
namespace {

struct LastSettings {
  std::mutex mutex;
  SoundSettings settings;
};

LastSettings& last() {
  static LastSettings kept;
  return kept;
}

}  // namespace

void SoundSettings::setTempo(int quarterNotesAMinute) {
  tempo = quarterNotesAMinute;
  // A whole note is four beats: 240000 ms a minute over the tempo, rounded
  // to the nearest millisecond; each shorter length halves it.
  int whole = 240000;
  for (int& ms : durations) {
    ms = (tempo / 2 + whole) / tempo;
    whole /= 2;
  }
}

int SoundSettings::duration(int noteLength, bool dotted) const {
  const int ms = durations[std::countr_zero(static_cast<unsigned>(noteLength))];
  return dotted ? ms + ms / 2 : ms;
}

bool isNoteLength(int length) {
  return length >= 1 && length <= 64 && std::has_single_bit(static_cast<unsigned>(length));
}

SoundSettings lastSoundSettings() {
  std::lock_guard lock(last().mutex);
  return last().settings;
}

void rememberSoundSettings(const SoundSettings& settings) {
  std::lock_guard lock(last().mutex);
  last().settings = settings;
}

}  // namespace lx
