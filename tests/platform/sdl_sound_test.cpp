// Sound through a real SDL audio device: SDL's disk driver writes what the
// device would play to a file, so a melody rendered by the synthesizer and
// a wave mixed beside it can be heard in the samples, with no sound card.
#include "platform/sdl_sound.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/clock.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

// Writes a 16-bit mono wave at 44100 Hz of `samples` loud square-wave samples.
void writeTone(const fs::path& wave, uint32_t samples) {
  std::ofstream out(wave, std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + samples * 2);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(44100), u32(88200), u16(2), u16(16);
  out << "data";
  u32(samples * 2);
  for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>(i % 40 < 20 ? 12000 : -12000));
}

class SdlSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Tests run side by side in processes of their own: each writes a file of its own.
    output_ = fs::path(::testing::TempDir()) /
              ("lx-disk-audio-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".raw");
    fs::remove(output_);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
  }
  void TearDown() override {
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    fs::remove(output_);
  }
  // The largest sample magnitude the device has been given from `from` on.
  // The device goes on writing while the test looks, much faster than real
  // time: only the first 64 MB from `from` are read.
  int loudestFrom(size_t from) {
    constexpr size_t kMostBytesRead = 64u << 20;
    from &= ~size_t{1};
    const size_t size = written();
    std::vector<char> bytes(size > from ? std::min(size - from, kMostBytesRead) : 0);
    std::ifstream in(output_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    int loudest = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      const int16_t sample =
          static_cast<int16_t>((static_cast<uint8_t>(bytes[i + 1]) << 8) | static_cast<uint8_t>(bytes[i]));
      loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
  }
  size_t written() {
    std::error_code error;
    const auto size = fs::file_size(output_, error);
    return error ? 0 : static_cast<size_t>(size);
  }
  // Runs the loop until `done`, looking every few milliseconds (the audio
  // thread does not wake the loop); false after a generous limit.
  static bool until(UiThread& ui, const std::function<bool()>& done) {
    const SteadyTime limit = afterMilliseconds(20000);
    while (!done()) {
      if (std::chrono::steady_clock::now() > limit) return false;
      ui.runFor(std::chrono::milliseconds(5));
    }
    return true;
  }
  // Runs the loop until the device has written `bytes` more.
  bool deviceWrites(UiThread& ui, size_t bytes) {
    const size_t goal = written() + bytes;
    return until(ui, [&] { return written() >= goal; });
  }

  fs::path output_;
};

TEST_F(SdlSoundTest, ANoteRendersIntoTheDeviceAfterSilence) {
  if (!fs::exists(soundFontPath())) GTEST_SKIP() << "no sound font at " << soundFontPath();
  UiThread ui;
  SdlSound sound(ui);
  ASSERT_TRUE(sound.openMidi()) << sound.lastError();
  EXPECT_TRUE(sound.midiOpen());
  ASSERT_TRUE(deviceWrites(ui, 8192));
  const size_t before = written();
  EXPECT_LT(loudestFrom(0), 100);  // before the note: silence, give or take the dither
  sound.sendMidi(MidiMessage::programChange(0, 19));
  sound.sendMidi(MidiMessage::noteOn(0, 73, 127));
  ASSERT_TRUE(deviceWrites(ui, 44100));
  sound.sendMidi(MidiMessage::noteOff(0, 73));
  EXPECT_GT(loudestFrom(before), 1000);
  sound.closeMidi();
  EXPECT_FALSE(sound.midiOpen());
  EXPECT_TRUE(sound.lastError().empty());
}

TEST_F(SdlSoundTest, AWavePlaysToItsEndAndTellsTheUserInterfaceThread) {
  const fs::path wave = fs::path(::testing::TempDir()) / ("lx-tone-" + std::to_string(getpid()) + ".wav");
  writeTone(wave, 4410);
  UiThread ui;
  SdlSound sound(ui);
  bool finished = false;
  sound.playWave(wave, [&] { finished = ui.isCurrent(); });
  ASSERT_TRUE(sound.lastError().empty()) << sound.lastError();
  EXPECT_TRUE(until(ui, [&] { return finished; }));
  EXPECT_GT(loudestFrom(0), 5000);
  // A wave that is stopped does not report an end.
  bool stoppedEnd = false;
  sound.playWave(wave, [&] { stoppedEnd = true; });
  sound.stopWave();
  ui.runFor(std::chrono::milliseconds(50));
  EXPECT_FALSE(stoppedEnd);
  EXPECT_FALSE(sound.playWave(wave.string() + ".missing", {}));
  EXPECT_FALSE(sound.lastError().empty());
  fs::remove(wave);
}

// The same tone as a media track: the decoder knows its length, it plays
// into the device, and stops by itself at its end.
TEST_F(SdlSoundTest, AMediaTrackPlaysIntoTheDeviceAndStopsAtItsEnd) {
  const fs::path wave = fs::path(::testing::TempDir()) / ("lx-track-" + std::to_string(getpid()) + ".wav");
  writeTone(wave, 22050);
  UiThread ui;
  SdlSound sound(ui);
  std::string why;
  std::unique_ptr<MediaTrack> track = sound.openMedia(wave, why);
  ASSERT_TRUE(track) << why;
  EXPECT_EQ(track->lengthMs(), 500);
  track->play(-1);
  EXPECT_TRUE(track->playing());
  EXPECT_TRUE(until(ui, [&] { return !track->playing(); }));
  EXPECT_GT(loudestFrom(0), 5000);
  track.reset();
  EXPECT_FALSE(sound.openMedia(wave.string() + ".missing", why));
  EXPECT_FALSE(why.empty());
  fs::remove(wave);
}

// A machine without an audio device plays waves and media files silently,
// with their timing, instead of refusing them.
TEST(SdlSoundWithoutDevice, WavesAndMediaPlaySilentlyByTheClock) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  const fs::path wave = fs::path(::testing::TempDir()) / ("lx-silent-" + std::to_string(getpid()) + ".wav");
  writeTone(wave, 22050);
  ManualClock clock;
  UiThread ui;
  SdlSound sound(ui);
  bool finished = false;
  EXPECT_TRUE(sound.playWave(wave, [&] { finished = true; }));
  ui.runPending();
  EXPECT_TRUE(finished);
  EXPECT_FALSE(sound.playWave(wave.string() + ".missing", {}));

  std::string why;
  std::unique_ptr<MediaTrack> track = sound.openMedia(wave, why);
  ASSERT_TRUE(track) << why;
  EXPECT_EQ(track->lengthMs(), 500);
  track->play(-1);
  clock.advance(std::chrono::milliseconds(499));
  EXPECT_TRUE(track->playing());
  clock.advance(std::chrono::milliseconds(1));
  EXPECT_FALSE(track->playing());
  EXPECT_FALSE(sound.openMedia(wave.string() + ".missing", why));
  unsetenv("SDL_AUDIODRIVER");
  fs::remove(wave);
}

}  // namespace
}  // namespace lx
