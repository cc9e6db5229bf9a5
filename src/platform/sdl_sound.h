// Sound through the machine's audio device: SDL_mixer owns the device and
// plays wave files, and FluidSynth, with the General MIDI sound font,
// renders the MIDI messages into the same output. The device is opened on
// the first sound, not when the program starts, so a run that makes no
// sound never touches it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/recorded_sound.h"
#include "platform/sound_output.h"
#include "platform/ui_thread.h"

struct _fluid_synth_t;
struct _fluid_hashtable_t;
struct Mix_Chunk;

namespace lx {

// The sound font the synthesizer loads: $LX_SOUNDFONT when set, else the
// General MIDI font of the system.
std::filesystem::path soundFontPath();

class SdlSound final : public SoundOutput {
 public:
  // Finished-wave callbacks are queued on `ui` with the hand-overs.
  explicit SdlSound(UiThread& ui);
  ~SdlSound() override;

  bool openMidi() override;
  void closeMidi() override;
  bool midiOpen() const override;
  void sendMidi(const MidiMessage& message) override;
  bool playWave(const std::filesystem::path& file, std::function<void()> finished) override;
  void stopWave() override;
  // Loads the file as SDL_mixer music; its length from the decoder, or
  // from the file's headers where the decoder cannot tell (MIDI files).
  std::unique_ptr<MediaTrack> openMedia(const std::filesystem::path& file, std::string& error) override;

  // Why the device or the synthesizer could not be opened; empty when all went well.
  std::string lastError() const;

 private:
  bool openDevice();  // mutex_ is held
  // Opens the device when it can; false on a machine without one.
  bool deviceAvailable();
  void freeWave();    // mutex_ is held
  static void mixMidi(void* self, uint8_t* stream, int length);
  static void waveEnded(int channel);

  UiThread& ui_;
  // Waves and media files play silently, with their timing, through this
  // when the machine has no audio device, so a project runs the same.
  std::unique_ptr<RecordedSound> silent_;
  // Lock order: the audio thread takes SDL's audio lock and then, when a
  // wave ends, finishedMutex_ alone; so mutex_ may be held while calling
  // SDL_mixer (which takes the audio lock), and finishedMutex_ is never
  // held while calling it.
  mutable std::mutex mutex_;  // guards everything below but finished_
  bool deviceOpen_ = false;
  int sampleRate_ = 44100;
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;  // set while MIDI is open; the audio thread renders it
  Mix_Chunk* wave_ = nullptr;        // the wave playing or played last
  std::mutex finishedMutex_;
  std::function<void()> finished_;  // of the wave playing; guarded by finishedMutex_
  std::string error_;
};

}  // namespace lx
