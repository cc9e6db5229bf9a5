// Spoken text: the speech synthesizer (espeak-ng) turned into samples that
// the sound output plays like any wave, and the voices it offers.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lx {

// One voice: the language tag it is chosen by ("en-gb", "sk", "de") and the
// synthesizer's own name for it.
struct SpeechVoice {
  std::string language;
  std::string name;
};

// Mono 16-bit samples at `rate` samples a second.
struct SpokenSamples {
  int rate = 0;
  std::vector<int16_t> samples;
};

// The voices there are, sorted by language tag; empty when the synthesizer
// cannot start (no data files). Any thread.
const std::vector<SpeechVoice>& speechVoices();

// The voice for a language tag or a voice name (compared without case); a
// tag of a language's regional voices ("en" for "en-gb" and "en-us") keeps
// that tag; a regional tag without a voice ("de-at") falls back to its
// first part. None when there is none.
std::optional<SpeechVoice> findSpeechVoice(const std::string& tagOrName);

// Speaks UTF-8 `text` with the voice of `language` into samples. One text
// at a time is spoken (the synthesizer is not reentrant); a caller waits
// for the one before. Setting `cancel` ends the speaking early: what was
// spoken so far is answered. None when the synthesizer cannot start or
// does not know the voice. Any thread; may take a while for a long text.
std::optional<SpokenSamples> synthesizeSpeech(const std::string& text, const std::string& language,
                                              const std::atomic<bool>& cancel);

// Writes samples as a PCM wave file; false when the file cannot be written.
bool writeWaveFile(const std::filesystem::path& file, const SpokenSamples& spoken);

}  // namespace lx
