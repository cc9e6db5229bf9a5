// The sixteen channels of the one MIDI output, shared by the processes that
// play: a process owns one from its first sound to its end, and the program
// it plays with is remembered so that a device opened later is set up again.
#pragma once

#include <array>
#include <mutex>
#include <utility>
#include <vector>

namespace lx {

inline constexpr int kMidiChannels = 16;

class MidiChannels {
 public:
  // Takes the lowest free channel for a process playing `instrument`;
  // -1 when all sixteen are taken.
  int take(int instrument);
  void give(int channel);
  void setInstrument(int channel, int instrument);
  // The channels in use with their instruments, lowest first.
  std::vector<std::pair<int, int>> used() const;

 private:
  mutable std::mutex mutex_;  // the channel lock; guards both tables
  std::array<bool, kMidiChannels> used_{};
  std::array<int, kMidiChannels> instrument_{};
};

MidiChannels& midiChannels();

}  // namespace lx
