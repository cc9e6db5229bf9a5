// Speaking text through espeak-ng in its synchronous mode: the synthesizer
// hands the samples to a callback on the speaking thread, which gathers
// them; nothing goes to an audio device from here.
#include "platform/speech_synth.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <mutex>

namespace lx {
namespace {

// The synthesizer keeps global state: every use is under this mutex. It is
// never destroyed: a speaking thread may still run while the program ends.
std::mutex& synthMutex() {
  static auto* mutex = new std::mutex;
  return *mutex;
}

// What one speaking gathers; reached through the synthesizer's user data.
struct Gathering {
  std::vector<int16_t>* samples;
  const std::atomic<bool>* cancel;
};

int gather(short* wave, int count, espeak_EVENT* events) {
  auto* into = static_cast<Gathering*>(events->user_data);
  if (wave && count > 0) into->samples->insert(into->samples->end(), wave, wave + count);
  return into->cancel->load() ? 1 : 0;  // 1 asks the synthesizer to stop
}

// The sample rate once started, 0 when the synthesizer cannot start.
// Called under synthMutex.
int startedRate() {
  static int rate = [] {
    const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (r > 0) espeak_SetSynthCallback(gather);
    return r > 0 ? r : 0;
  }();
  return rate;
}

// The first language of a voice's list: a priority byte, then the tag.
std::string firstLanguage(const espeak_VOICE& voice) {
  return voice.languages && voice.languages[0] ? std::string(voice.languages + 1) : std::string();
}

std::vector<SpeechVoice> listVoices() {
  std::lock_guard lock(synthMutex());
  std::vector<SpeechVoice> voices;
  if (!startedRate()) return voices;
  for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
    const std::string language = firstLanguage(**v);
    if (!language.empty() && (*v)->name) voices.push_back({language, (*v)->name});
  }
  std::sort(voices.begin(), voices.end(),
            [](const auto& a, const auto& b) { return a.language < b.language; });
  return voices;
}

bool sameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

void put16(std::ofstream& out, uint16_t v) {
  out.write(reinterpret_cast<const char*>(&v), 2);
}
void put32(std::ofstream& out, uint32_t v) {
  out.write(reinterpret_cast<const char*>(&v), 4);
}

}  // namespace

const std::vector<SpeechVoice>& speechVoices() {
  static const auto* voices = new std::vector<SpeechVoice>(listVoices());
  return *voices;
}

std::optional<SpeechVoice> findSpeechVoice(const std::string& tagOrName) {
  for (const SpeechVoice& v : speechVoices())
    if (sameText(v.language, tagOrName) || sameText(v.name, tagOrName)) return v;
  // A language without a voice of its own tag ("en") speaks with the
  // synthesizer's choice among its regional voices ("en-gb", "en-us").
  const std::string regional = tagOrName + "-";
  for (const SpeechVoice& v : speechVoices())
    if (v.language.size() > regional.size() && sameText(v.language.substr(0, regional.size()), regional))
      return SpeechVoice{tagOrName, v.name};
  const size_t dash = tagOrName.find('-');
  if (dash != std::string::npos) return findSpeechVoice(tagOrName.substr(0, dash));
  return std::nullopt;
}

std::optional<SpokenSamples> synthesizeSpeech(const std::string& text, const std::string& language,
                                              const std::atomic<bool>& cancel) {
  // The voice list is made first: once a long text holds the synthesizer,
  // looking a voice up must not wait for it.
  speechVoices();
  std::lock_guard lock(synthMutex());
  const int rate = startedRate();
  if (!rate) return std::nullopt;
  espeak_VOICE wanted{};
  wanted.languages = language.c_str();
  if (espeak_SetVoiceByProperties(&wanted) != EE_OK) return std::nullopt;
  SpokenSamples spoken{rate, {}};
  Gathering into{&spoken.samples, &cancel};
  espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &into);
  return spoken;
}

bool writeWaveFile(const std::filesystem::path& file, const SpokenSamples& spoken) {
  std::ofstream out(file, std::ios::binary);
  const auto bytes = static_cast<uint32_t>(spoken.samples.size() * 2);
  out << "RIFF";
  put32(out, 36 + bytes);
  out << "WAVEfmt ";
  put32(out, 16), put16(out, 1), put16(out, 1);
  put32(out, spoken.rate), put32(out, spoken.rate * 2);
  put16(out, 2), put16(out, 16);
  out << "data";
  put32(out, bytes);
  out.write(reinterpret_cast<const char*>(spoken.samples.data()), bytes);
  return static_cast<bool>(out);
}

}  // namespace lx
