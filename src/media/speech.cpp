// `say` and `setvoice`. The text is spoken into samples on a thread of its
// own while the process waits with the interpreter lock released, then
// written out as a temporary wave file and played like `playwave` plays.
#include "media/speech.h"

#include <unistd.h>

#include <atomic>
#include <memory>
#include <thread>

#include "core/control_exceptions.h"
#include "core/global_options.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/process_waits.h"
#include "interp/registry.h"
#include "interp/thread_state.h"
#include "lang/dictionary.h"
#include "media/wave_player.h"
#include "platform/codepage.h"
#include "platform/speech_synth.h"

namespace lx {
namespace {

// The voice `setvoice` chose; empty: the project language's. Read and
// written under the interpreter lock.
std::string chosenVoice;

struct LanguageTag {
  const char* name;
  const char* tag;
};

constexpr LanguageTag kLanguageTags[] = {
    {"english", "en"},   {"slovak", "sk"},    {"czech", "cs"},     {"german", "de"},    {"hungarian", "hu"},
    {"polish", "pl"},    {"french", "fr"},    {"spanish", "es"},   {"italian", "it"},   {"portuguese", "pt"},
    {"russian", "ru"},   {"ukrainian", "uk"}, {"dutch", "nl"},     {"slovenian", "sl"}, {"croatian", "hr"},
    {"serbian", "sr"},   {"romanian", "ro"},  {"bulgarian", "bg"}, {"greek", "el"},     {"lithuanian", "lt"},
    {"latvian", "lv"},   {"estonian", "et"},  {"finnish", "fi"},   {"swedish", "sv"},   {"danish", "da"},
    {"norwegian", "nb"}, {"icelandic", "is"}, {"turkish", "tr"},   {"japanese", "ja"},  {"chinese", "cmn"},
};

// The voice a `say` speaks with now: the chosen one, else the project
// language's when there is a voice for it, else English.
std::string currentVoice() {
  if (!chosenVoice.empty()) return chosenVoice;
  const std::string tag = languageTag(currentLanguage());
  if (!tag.empty() && findSpeechVoice(tag)) return tag;
  return "en";
}

// The inputs' text as `print` would show it, in UTF-8 for the synthesizer.
std::string spokenText(const std::vector<Value>& inputs) {
  std::string text;
  for (const Value& input : inputs) {
    if (!text.empty()) text += ' ';
    text += input->printText(0);
  }
  return cp1250ToUtf8(text);
}

// What the speaking thread and the waiting process share; the thread keeps
// it alive after a process that was stopped has stopped waiting.
struct Speaking {
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  std::optional<SpokenSamples> samples;  // written before `done`
};

// Speaks into samples; a process told to stop ends at once.
SpokenSamples speakReleased(const std::string& text, const std::string& voice) {
  auto speaking = std::make_shared<Speaking>();
  std::thread([speaking, text, voice] {
    speaking->samples = synthesizeSpeech(text, voice, speaking->cancel);
    changeAndNotify([&] { speaking->done = true; });
  }).detach();
  ProcessControl* self = hasThreadState() ? threadState().control : nullptr;
  if (waitReleased(self, [&] { return speaking->done.load(); }) == WaitEnd::Stopped) {
    speaking->cancel = true;
    throw eTerminateException(false);
  }
  if (!speaking->samples) return {};
  return std::move(*speaking->samples);
}

// A temporary wave file of this program's, removed when the value goes.
class SpokenFile {
 public:
  SpokenFile() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("lx-say-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".wav");
  }
  ~SpokenFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  SpokenFile(const SpokenFile&) = delete;
  SpokenFile& operator=(const SpokenFile&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

Value say(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (!globalOptions().sound) return nullptr;
  const std::string text = spokenText(inputs);
  if (text.empty()) return nullptr;
  const SpokenSamples spoken = speakReleased(text, currentVoice());
  if (spoken.samples.empty()) return nullptr;
  SpokenFile file;
  if (!writeWaveFile(file.path(), spoken)) throw eLogoException::withWord(erMCI, "can't speak");
  playWaveFileToEnd(file.path());
  return nullptr;
}

// A voice by its language tag or its name; the empty word or list goes
// back to the project language's voice.
Value setvoice(const Value& voice) {
  const std::string wanted = voice->printText(0);
  if (wanted.empty()) {
    chosenVoice.clear();
    return nullptr;
  }
  const std::optional<SpeechVoice> found = findSpeechVoice(cp1250ToUtf8(wanted));
  if (!found) throw eLogoException(erDoesNotLike, voice);
  chosenVoice = found->language;
  return nullptr;
}

}  // namespace

std::string languageTag(const std::string& languageName) {
  for (const LanguageTag& known : kLanguageTags)
    if (languageName == known.name) return known.tag;
  return {};
}

std::vector<std::string> speechVoiceNames() {
  std::vector<std::string> names;
  for (const SpeechVoice& voice : speechVoices()) names.push_back(voice.language);
  return names;
}

void registerSpeechPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "say", false, 1u, say);
  registerPrimitive<tMainPasProcDesc1p>(table, "setvoice", false, setvoice);
}

}  // namespace lx
