// Media files through `mci`, `playfile`, `openvideo` and `closevideo` on
// the recording backend, whose tracks move with a manual clock: positions,
// modes and the end of a file are checked by advancing the time.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "media/player_windows.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/platform_window.h"
#include "sound_world.h"

namespace lx {
namespace {

using testing::quoted;
using testing::SoundWorld;
using testing::writeWave;
using Kind = SoundEvent::Kind;

class Media : public SoundWorld {
 protected:
  ~Media() override { run("mci [close all]"); }
  std::vector<SoundEvent> mediaEvents() {
    std::vector<SoundEvent> media;
    for (const SoundEvent& event : recording().events())
      if (event.kind >= Kind::MediaOpened) media.push_back(event);
    return media;
  }
  // Runs the text and gives what it made the global `answer`.
  std::string answer(const std::string& text) {
    run("make \"answer " + text);
    return global("answer");
  }
  // Looks until the condition holds, serving the user-interface thread's
  // work meanwhile; its loop cannot wait for time, which stands still.
  bool soon(const std::function<bool()>& condition, int limitMs = 10000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > until) return false;
      uiThread().runPending();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }
  // Advances the manual clock in steps, so that waits see the time pass.
  void advance(int ms) {
    for (int step = 0; step < ms; step += 50) clock.advance(std::chrono::milliseconds(50));
  }
  ManualClock clock;
};

std::string writeBytes(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST_F(Media, MciOpensPlaysStopsSeeksAndClosesByAlias) {
  const std::string song = writeWave("song.wav", 16000);  // two seconds
  EXPECT_GT(std::stoi(answer("mci (word \"|open | " + quoted(song) + " \"| alias Song|)")), 0);
  EXPECT_EQ(answer("mci [status song length]"), "2000");
  EXPECT_EQ(answer("mci [status song mode]"), "stopped");
  run("mci [play song]");
  advance(500);
  EXPECT_EQ(answer("mci [status song position]"), "500");
  EXPECT_EQ(answer("mci [status song mode]"), "playing");
  run("mci [stop song]");
  advance(500);
  EXPECT_EQ(answer("mci [status song position]"), "500");
  run("mci [set song time format frames]");
  EXPECT_EQ(answer("mci [status song position]"), "12");
  run("mci [seek song to 25]");
  run("mci [set song time format ms]");
  EXPECT_EQ(answer("mci [status song position]"), "1000");
  run("mci [play song to 1500]");
  advance(1000);
  EXPECT_EQ(answer("mci [status song mode]"), "stopped");
  EXPECT_EQ(answer("mci [status song position]"), "1500");
  run("mci [seek song to end] mci [close song]");
  const std::vector<SoundEvent> events = mediaEvents();
  std::vector<Kind> kinds;
  for (const SoundEvent& event : events) kinds.push_back(event.kind);
  EXPECT_EQ(kinds,
            (std::vector<Kind>{Kind::MediaOpened, Kind::MediaPlayed, Kind::MediaStopped, Kind::MediaSought,
                               Kind::MediaPlayed, Kind::MediaSought, Kind::MediaClosed}));
  EXPECT_EQ(events[0].file, song);
  EXPECT_EQ(events[4].position, 1000);
  EXPECT_EQ(events[4].until, 1500);
  EXPECT_EQ(events.back().position, 2000);
  EXPECT_TRUE(errors().empty());
  run("mci [status song mode]");
  EXPECT_EQ(errors(), std::vector<int>{erMCI});
}

// The process waits for the end of the file by the clock; the device is
// closed at the end, and a second file of the wave kind stops the first.
TEST_F(Media, PlayfileWaitsForTheEndAndClosesItsDevice) {
  const std::string song = writeWave("tune.wav", 8000);
  run("make \"done \"false");
  auto player = start("player", "playfile " + quoted(song) + " make \"done \"true");
  ASSERT_TRUE(soon([&] { return mediaEvents().size() == 2; }));
  advance(900);
  EXPECT_FALSE(soon([&] { return global("done") == "true"; }, 100));
  advance(200);
  ASSERT_TRUE(player->waitFor());
  EXPECT_EQ(global("done"), "true");
  const std::vector<SoundEvent> events = mediaEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1].kind, Kind::MediaPlayed);
  EXPECT_EQ(events[2].kind, Kind::MediaClosed);
  EXPECT_EQ(events[2].position, 1000);
  EXPECT_TRUE(errors().empty());
}

TEST_F(Media, AProcessStoppedInPlayfileEndsAtOnceAndItsFileStops) {
  const std::string song = writeWave("long.wav", 80000);
  auto player = start("player", "playfile " + quoted(song));
  ASSERT_TRUE(soon([&] { return mediaEvents().size() == 2; }));
  player->signalStop();
  ASSERT_TRUE(player->waitFor());
  const std::vector<SoundEvent> events = mediaEvents();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[2].kind, Kind::MediaStopped);
  EXPECT_EQ(events[3].kind, Kind::MediaClosed);
}

TEST_F(Media, AWaveFileStopsTheMediaFileOfTheWaveKind) {
  const std::string song = writeWave("first.wav", 16000);
  const std::string bell = writeWave("bell.wav", 100);
  run("mci (word \"|open | " + quoted(song) + " \"| alias a|) mci [play a]");
  run("playwave " + quoted(bell));
  EXPECT_EQ(answer("mci [status a mode]"), "stopped");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Media, AMidiFileTellsItsLengthFromItsTempo) {
  // One track: tempo 60 beats a minute, a note of two beats of 480 ticks.
  const std::string track("\x00\xFF\x51\x03\x0F\x42\x40\x00\x90\x3C\x64\x87\x40\x80\x3C\x00\x00\xFF\x2F\x00",
                          20);
  const std::string midi =
      writeBytes("two.mid", std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\x14", 22) + track);
  run("mci (word \"|open | " + quoted(midi) + " \"| alias m|)");
  EXPECT_EQ(answer("mci [status m length]"), "2000");
  EXPECT_EQ(answer("mci [status m device type]"), "sequencer");
  EXPECT_TRUE(errors().empty());
}

TEST_F(Media, DamagedMissingAndUnknownFilesAreErrorsNotHangs) {
  const std::string damaged = writeBytes("damaged.wav", std::string("RIFF\x10\0\0\0WAVEjunkjunk", 20));
  const std::string unknown = writeBytes("notes.xyz", "hello");
  const std::string midi =
      writeBytes("cut.mid", std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\x40\x00\x90", 24));
  for (const std::string& line :
       {"playfile " + quoted(damaged), "playwave " + quoted(damaged), "playfile " + quoted(unknown),
        "playfile " + quoted(::testing::TempDir() + "nowhere.wav"), "playfile " + quoted(midi),
        std::string("mci [dance all]"), std::string("mci [play nobody]"), std::string("(mci)"),
        std::string("(mci [close all] \"x \"y)"), std::string("(mci [close all] 1)")})
    run(line);
  EXPECT_EQ(errors(), (std::vector<int>{erMCI, erMCI, erMCIFileProblem, erNoEmbeddedFilePlugin, erMCI, erMCI,
                                        erMCI, erNotEnoughInputs, erTooManyInputs, erNoObject}));
  EXPECT_TRUE(mediaEvents().empty());
}

TEST_F(Media, OpenvideoOpensABareDeviceOrAPlayerAndClosevideoClosesEither) {
  const std::string film = writeWave("film.wav", 8000);
  EXPECT_GT(std::stoi(answer("openvideo \"bare [] " + quoted(film))), 0);
  const std::string number = answer("openvideo \"shown [buttonsOverlap 300 200 10 20] " + quoted(film));
  EXPECT_NE(number, "");
  PlayerStyle style;
  ASSERT_TRUE(playerStyleOf("shown", style));
  EXPECT_EQ(style.kind, PlayerStyle::Kind::Overlapped);
  EXPECT_TRUE(style.buttons);
  EXPECT_EQ((std::vector<int>{style.left, style.top, style.right, style.bottom}),
            (std::vector<int>{10, 20, 300, 200}));
  answer("openvideo \"child [buttons child -5000 0 10 10] " + quoted(film));
  ASSERT_TRUE(playerStyleOf("child", style));
  EXPECT_EQ(style.left, -1000);
  EXPECT_EQ(answer("mci [status shown length]"), "1000");
  run("closevideo \"shown closevideo \"bare closevideo \"child");
  EXPECT_FALSE(playerStyleOf("shown", style));
  EXPECT_TRUE(errors().empty());
  answer("openvideo \"odd [sideways] " + quoted(film));
  run("closevideo \"bare");
  EXPECT_EQ(errors(), (std::vector<int>{erBadValue, erMCI}));
}

// The player's window: a dark panel at the rectangle asked for, with a bar
// of buttons whose clicks play, stop and rewind the file; closing the
// window closes the player.
TEST_F(Media, APlayerWindowShowsItsPanelAndItsButtonsDriveTheFile) {
  const std::string film = writeWave("panel.wav", 8000);
  answer("openvideo \"p [buttonsoverall 20 30 220 180] " + quoted(film));
  std::shared_ptr<PlatformWindow> window = playerWindowOf("p");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->clientWidth(), 200);
  EXPECT_EQ(window->clientHeight(), 150);
  auto click = [&](int x, int y) {
    window->queueInput(MouseEvent{MouseAction::Down, x, y, MouseButton::Left});
    window->queueInput(MouseEvent{MouseAction::Up, x, y, MouseButton::Left});
    uiThread().runPending();
  };
  window->paintNow();
  EXPECT_EQ(window->pixels().pixel(100, 40), 0x202020u);
  EXPECT_EQ(window->pixels().pixel(2, 148), 0xE0E0E0u);
  click(10, 140);  // play
  EXPECT_EQ(answer("mci [status p mode]"), "playing");
  advance(300);
  click(50, 140);  // stop
  EXPECT_EQ(answer("mci [status p position]"), "300");
  click(90, 140);  // back to the start
  EXPECT_EQ(answer("mci [status p position]"), "0");
  window->requestClose();
  EXPECT_TRUE(soon([&] {
    uiThread().runPending();
    return !playerWindowOf("p");
  }));
  run("mci [status p mode]");
  EXPECT_EQ(errors(), std::vector<int>{erMCI});
}

}  // namespace
}  // namespace lx
