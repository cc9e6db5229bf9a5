// Audio output through SDL_mixer with FluidSynth for MIDI.
#include "platform/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/error.h>
#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

#include "platform/media_file_probe.h"
#include "platform/sdl_media_track.h"

namespace lx {
namespace {

constexpr int kWaveChannel = 0;  // waves play on one mixer channel: a new one ends the last

// The output whose wave channel SDL_mixer reports on; its callback takes a
// plain function.
std::atomic<SdlSound*> waveOwner{nullptr};

// Quiet FluidSynth's own messages: a failure is reported through lastError.
void ignoreLog(int, const char*, void*) {}

// Quiet the ALSA library, which SDL loads to look for sound cards: on a
// machine without one it writes a line to the console for every card it
// cannot find. A device that cannot be opened is reported through lastError.
void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

std::filesystem::path soundFontPath() {
  if (const char* chosen = std::getenv("LX_SOUNDFONT"); chosen && *chosen) return chosen;
  return "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

SdlSound::SdlSound(UiThread& ui) : ui_(ui), silent_(RecordedSound::silent(ui)) {
  snd_lib_error_set_handler(ignoreAlsa);
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, ignoreLog, nullptr);
}

SdlSound::~SdlSound() {
  closeMidi();
  std::lock_guard lock(mutex_);
  if (!deviceOpen_) return;
  Mix_HaltChannel(-1);
  waveOwner = nullptr;
  freeWave();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::openDevice() {
  if (deviceOpen_) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    error_ = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  sampleRate_ = frequency > 0 ? frequency : 44100;
  Mix_AllocateChannels(4);
  waveOwner = this;
  Mix_ChannelFinished(waveEnded);
  deviceOpen_ = true;
  return true;
}

bool SdlSound::deviceAvailable() {
  std::lock_guard lock(mutex_);
  return openDevice();
}

bool SdlSound::openMidi() {
  std::lock_guard lock(mutex_);
  if (synth_) return true;
  if (!openDevice()) return false;
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate_);
  fluid_synth_t* synth = new_fluid_synth(settings_);
  if (!synth || fluid_synth_sfload(synth, soundFontPath().c_str(), 1) == FLUID_FAILED) {
    error_ = "the sound font " + soundFontPath().string() + " could not be loaded";
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings_);
    settings_ = nullptr;
    return false;
  }
  synth_ = synth;
  Mix_SetPostMix(mixMidi, this);
  return true;
}

void SdlSound::closeMidi() {
  std::lock_guard lock(mutex_);
  if (!synth_) return;
  // Once this returns the audio thread renders the synthesizer no more.
  Mix_SetPostMix(nullptr, nullptr);
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
  synth_ = nullptr;
  settings_ = nullptr;
}

bool SdlSound::midiOpen() const {
  std::lock_guard lock(mutex_);
  return synth_ != nullptr;
}

void SdlSound::sendMidi(const MidiMessage& message) {
  std::lock_guard lock(mutex_);
  if (!synth_) return;
  const int channel = message.status & 15;
  switch (message.status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, message.data1);
      break;
    case 0x90:
      fluid_synth_noteon(synth_, channel, message.data1, message.data2);
      break;
    case 0xB0:
      fluid_synth_cc(synth_, channel, message.data1, message.data2);
      break;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, message.data1);
      break;
    default:
      break;
  }
}

// On the audio thread, after the mixer's channels: the synthesizer's
// output is added to theirs, clipped to 16 bits.
void SdlSound::mixMidi(void* self, uint8_t* stream, int length) {
  auto* sound = static_cast<SdlSound*>(self);
  const int frames = length / 4;  // 16-bit stereo
  thread_local std::vector<int16_t> rendered;
  rendered.assign(static_cast<size_t>(frames) * 2, 0);
  fluid_synth_write_s16(sound->synth_, frames, rendered.data(), 0, 2, rendered.data(), 1, 2);
  auto* samples = reinterpret_cast<int16_t*>(stream);
  for (size_t i = 0; i < rendered.size(); ++i)
    samples[i] = static_cast<int16_t>(std::clamp(samples[i] + rendered[i], -32768, 32767));
}

void SdlSound::freeWave() {
  if (wave_) Mix_FreeChunk(std::exchange(wave_, nullptr));
}

bool SdlSound::playWave(const std::filesystem::path& file, std::function<void()> finished) {
  stopWave();
  if (!deviceAvailable()) return silent_->playWave(file, std::move(finished));
  std::lock_guard lock(mutex_);
  if (!openDevice()) return false;
  freeWave();
  wave_ = Mix_LoadWAV(file.c_str());
  if (!wave_) {
    error_ = Mix_GetError();
    return false;
  }
  {
    std::lock_guard ending(finishedMutex_);
    finished_ = std::move(finished);
  }
  if (Mix_PlayChannel(kWaveChannel, wave_, 0) < 0) {
    error_ = Mix_GetError();
    std::lock_guard ending(finishedMutex_);
    finished_ = nullptr;
    return false;
  }
  return true;
}

void SdlSound::stopWave() {
  {
    // A wave that is stopped has not been played to its end.
    std::lock_guard ending(finishedMutex_);
    finished_ = nullptr;
  }
  std::lock_guard lock(mutex_);
  if (deviceOpen_) Mix_HaltChannel(kWaveChannel);
}

// On the audio thread (or in Mix_HaltChannel): hands the wave's callback
// to the user-interface thread.
void SdlSound::waveEnded(int channel) {
  SdlSound* sound = waveOwner.load();
  if (!sound || channel != kWaveChannel) return;
  std::function<void()> finished;
  {
    std::lock_guard ending(sound->finishedMutex_);
    finished = std::move(sound->finished_);
    sound->finished_ = nullptr;
  }
  if (finished) sound->ui_.post(std::move(finished), TaskKind::HandOver);
}

std::unique_ptr<MediaTrack> SdlSound::openMedia(const std::filesystem::path& file, std::string& error) {
  if (!deviceAvailable()) return silent_->openMedia(file, error);
  const MediaProbe probe = probeMediaFile(file);
  std::lock_guard lock(mutex_);
  if (!openDevice()) {
    error = error_;
    return nullptr;
  }
  // MIDI files are played by the mixer's own synthesizer, with our font.
  Mix_SetSoundFonts(soundFontPath().c_str());
  Mix_Music* music = Mix_LoadMUS(file.c_str());
  if (!music) {
    error = Mix_GetError();
    return nullptr;
  }
  const double seconds = Mix_MusicDuration(music);
  const int64_t length = seconds > 0 ? static_cast<int64_t>(seconds * 1000) : probe.lengthMs;
  return std::make_unique<SdlMediaTrack>(music, length);
}

std::string SdlSound::lastError() const {
  std::lock_guard lock(mutex_);
  return error_;
}

}  // namespace lx
