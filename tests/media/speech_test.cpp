// Spoken text: `say` lands in the headless recording as a wave of audible
// samples, voices sound different, and a process stopped while it speaks
// ends at once without sounding.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "interp/scheduler.h"
#include "sound_world.h"

namespace lx::testing {
namespace {

struct RecordedWave {
  uint16_t bitsPerSample = 0;
  uint32_t rate = 0;
  std::vector<int16_t> samples;
};

// The fields of a recorded PCM wave with the plain 44-byte header.
RecordedWave waveOf(const SoundEvent& event) {
  RecordedWave wave;
  const std::vector<uint8_t>& d = event.data;
  if (d.size() < 44 || std::memcmp(d.data(), "RIFF", 4) != 0) return wave;
  std::memcpy(&wave.rate, d.data() + 24, 4);
  std::memcpy(&wave.bitsPerSample, d.data() + 34, 2);
  wave.samples.resize((d.size() - 44) / 2);
  std::memcpy(wave.samples.data(), d.data() + 44, wave.samples.size() * 2);
  return wave;
}

int loudest(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

class Speech : public SoundWorld {
 protected:
  std::vector<SoundEvent> spoken() {
    std::vector<SoundEvent> waves;
    for (const SoundEvent& event : recording().events())
      if (event.kind == SoundEvent::Kind::WaveStarted) waves.push_back(event);
    return waves;
  }
};

TEST_F(Speech, SayLandsInTheRecordingAsAudibleSamples) {
  run("say [hello world]");
  const std::vector<SoundEvent> waves = spoken();
  ASSERT_EQ(waves.size(), 1u);
  const RecordedWave wave = waveOf(waves[0]);
  EXPECT_EQ(wave.bitsPerSample, 16);
  ASSERT_GT(wave.rate, 8000u);
  // Two words last more than a third of a second and less than five.
  EXPECT_GT(wave.samples.size(), wave.rate / 3);
  EXPECT_LT(wave.samples.size(), wave.rate * 5);
  EXPECT_GT(loudest(wave.samples), 2000);
  // The temporary wave file is gone once it has been played.
  EXPECT_FALSE(std::filesystem::exists(waves[0].file));
  EXPECT_TRUE(errors().empty());
}

TEST_F(Speech, VoicesSoundDifferentAndAnUnknownVoiceIsRefused) {
  const std::string words = " say [seven eleven twelve]";
  run("setvoice \"en" + words);
  run("setvoice \"de" + words);
  run("setvoice \"nonesuch");
  // The empty list goes back to the voice of the project's language.
  run("setvoice []" + words);
  run("say \"||");
  const std::vector<SoundEvent> waves = spoken();
  ASSERT_EQ(waves.size(), 3u);
  // The synthesizer varies a voice's timing a little from one run to the
  // next; another voice speaks the same words at a clearly other length.
  auto lengthDifference = [&](size_t a, size_t b) {
    const double la = waveOf(waves[a]).samples.size(), lb = waveOf(waves[b]).samples.size();
    return std::abs(la - lb) / std::max(la, lb);
  };
  EXPECT_GT(lengthDifference(0, 1), 0.04);
  EXPECT_LT(lengthDifference(0, 2), 0.02);
  EXPECT_EQ(errors(), std::vector<int>{erDoesNotLike});
}

TEST_F(Speech, AProcessStoppedWhileSpeakingEndsAtOnce) {
  // Long enough to keep the synthesizer busy for seconds.
  std::string text;
  for (int i = 0; i < 300; ++i) text += "this sentence keeps the synthesizer busy for a while ";
  auto speaker = start("speaker", "make \"began \"true say [" + text + "] print \"never");
  ASSERT_TRUE(eventually(
      [&] { return global("began") == "true" && speaker->control().phase() == ProcessPhase::Waiting; }));
  speaker->signalStop();
  ASSERT_TRUE(speaker->waitFor());
  EXPECT_TRUE(spoken().empty());
  EXPECT_TRUE(errors().empty());
}

}  // namespace
}  // namespace lx::testing
