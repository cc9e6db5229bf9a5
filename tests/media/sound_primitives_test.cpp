// The sound primitives in processes, heard through the headless recording:
// notes with their channels, instruments and times, the sharing of the
// channels, stopping, and wave files.
#include <gtest/gtest.h>

#include <fstream>

#include "core/global_options.h"
#include "interp/scheduler.h"
#include "media/midi_channels.h"
#include "media/midi_device.h"
#include "sound_world.h"

namespace lx {
namespace {

using testing::quoted;
using testing::SoundWorld;
using testing::writeWave;
using Notes = std::vector<RecordedNote>;

class Sound : public SoundWorld {
 protected:
  Notes notes() { return recording().notes(); }
  size_t channelsInUse() { return midiChannels().used().size(); }
};

uint64_t lasted(const RecordedNote& note) {
  return note.offTick - note.onTick;
}

TEST_F(Sound, ACInAFreshProcessSoundsNote73ForAQuarterAtTempo120) {
  run("play \"c");
  const Notes played = notes();
  ASSERT_EQ(played.size(), 1u);
  EXPECT_EQ(played[0].note, 73);
  EXPECT_EQ(played[0].velocity, 127);
  EXPECT_EQ(played[0].instrument, 0);
  EXPECT_GE(lasted(played[0]), 500u);
  const std::vector<SoundEvent> events = recording().events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front().kind, SoundEvent::Kind::MidiOpened);
  EXPECT_TRUE(errors().empty());
}

// Each note starts after the one before it has ended and the pause between
// them has passed; the recording's times are only ever later than asked.
TEST_F(Sound, AMelodyKeepsItsTimingAtTwoTemposWithDotsAndPauses) {
  run("play [T240 4c. 8p d T120 8e. p f]");
  const Notes played = notes();
  ASSERT_EQ(played.size(), 4u);
  EXPECT_EQ((std::vector<int>{played[0].note, played[1].note, played[2].note, played[3].note}),
            (std::vector<int>{73, 75, 77, 78}));
  EXPECT_GE(lasted(played[0]), 375u);
  EXPECT_GE(played[1].onTick, played[0].offTick + 125);
  EXPECT_GE(lasted(played[1]), 250u);
  EXPECT_GE(lasted(played[2]), 375u);
  EXPECT_GE(played[3].onTick, played[2].offTick + 500);
  EXPECT_GE(lasted(played[3]), 500u);
  for (size_t i = 1; i < played.size(); ++i) EXPECT_GE(played[i].onTick, played[i - 1].offTick);
}

TEST_F(Sound, SettingsCarryToTheNextPlayOfAProcessNotToOneAlreadyPlaying) {
  run("make \"go \"false");
  start("first", "play [O5 I40 V100 T60] waituntil [:go] play \"c");
  ASSERT_TRUE(eventually([&] { return channelsInUse() == 1; }));
  run("play [O1 I7 c]");
  run("make \"go \"true");
  ASSERT_TRUE(eventually([&] { return notes().size() == 2 && notes()[1].offTick != 0; }));
  const Notes played = notes();
  EXPECT_EQ(played[0].note, 12 * 1 + 1 + 36);
  EXPECT_EQ(played[0].instrument, 7);
  EXPECT_EQ(played[0].velocity, 100);  // taken from the last settings made when it began
  EXPECT_EQ(played[1].note, 12 * 5 + 1 + 36);
  EXPECT_EQ(played[1].instrument, 40);
  EXPECT_GE(lasted(played[1]), 1000u);
  EXPECT_NE(played[0].channel, played[1].channel);
  // A process that begins now starts from the settings made last.
  run("play \"c");
  EXPECT_EQ(notes().back().note, 12 * 1 + 1 + 36);
  EXPECT_EQ(notes().back().instrument, 7);
}

TEST_F(Sound, SixteenProcessesHoldTheChannelsAndASeventeenthIsRefused) {
  run("make \"release \"false");
  for (int i = 0; i < 16; ++i)
    start("holder" + std::to_string(i), "setinstrument " + std::to_string(i) + " waituntil [:release]");
  ASSERT_TRUE(eventually([&] { return channelsInUse() == 16; }));
  run("note 60 10");
  run("play \"c");
  EXPECT_EQ(errors(), (std::vector<int>{erFreeChannel, erFreeChannel}));
  // Each holder has a channel of its own with its instrument.
  std::vector<bool> seen(16);
  for (const auto& [channel, instrument] : midiChannels().used()) seen.at(instrument) = true;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 16);
  run("make \"release \"true");
  ASSERT_TRUE(eventually([&] { return channelsInUse() == 0; }));
  run("note 60 10");
  EXPECT_EQ(errors().size(), 2u);
  EXPECT_EQ(notes().size(), 1u);
}

TEST_F(Sound, AProcessStoppedInALongNoteSwitchesItOffAndEnds) {
  auto player = start("long", "note [60 64] 60000 print \"never");
  ASSERT_TRUE(eventually([&] { return notes().size() == 2; }));
  player->signalStop();
  ASSERT_TRUE(player->waitFor());
  const Notes played = notes();
  EXPECT_NE(played[0].offTick, 0u);
  EXPECT_NE(played[1].offTick, 0u);
  EXPECT_TRUE(eventually([&] { return channelsInUse() == 0; }));
  EXPECT_TRUE(errors().empty());
}

TEST_F(Sound, AStoppedMelodyPlaysNoFurtherNote) {
  auto player = start("melody", "play [1c 1d 1e]");
  ASSERT_TRUE(eventually([&] { return notes().size() == 1; }));
  player->signalStop();
  ASSERT_TRUE(player->waitFor());
  EXPECT_EQ(notes().size(), 1u);
  EXPECT_NE(notes()[0].offTick, 0u);
}

TEST_F(Sound, MelodiesTakenOverByTheDeviceEndQuietly) {
  run("make \"after 0");
  auto player = start("melody", "play [1c 1d] make \"after 1");
  ASSERT_TRUE(eventually([&] { return notes().size() == 1; }));
  stopAllMelodies();
  ASSERT_TRUE(player->waitFor());
  EXPECT_EQ(global("after"), "1");
  EXPECT_EQ(notes().size(), 1u);
  EXPECT_TRUE(errors().empty());
}

TEST_F(Sound, TheDeviceClosesHalfASecondAfterTheLastPlayer) {
  run("note 60 1");
  ASSERT_TRUE(eventually([&] { return recording().events().back().kind == SoundEvent::Kind::MidiClosed; }));
  const std::vector<SoundEvent> events = recording().events();
  EXPECT_GE(events.back().tick, notes()[0].offTick + 500);
}

TEST_F(Sound, TheSoundOptionSilencesPlayButNotNoteAndRest) {
  globalOptions().sound = false;
  run("play [1c 1c 1c] playwave \"nothing");
  EXPECT_TRUE(recording().events().empty());
  run("note 60 10");
  EXPECT_EQ(notes().size(), 1u);
  globalOptions().sound = true;
  EXPECT_TRUE(errors().empty());
}

TEST_F(Sound, NoteDurationsFollowTheWaitUnit) {
  globalOptions().waitUnit = kTenthUnit;
  run("note 60 5");
  EXPECT_EQ(errors(), std::vector<int>{});
  run("note 60 656");
  globalOptions().waitUnit = kMillisecondUnit;
  EXPECT_GE(lasted(notes().at(0)), 500u);
  EXPECT_EQ(errors(), std::vector<int>{erMinMax});
}

TEST_F(Sound, BadInputIsRefusedWithTheErrorsOfSound) {
  for (const char* line : {"play [c [d]]", "play \"4X", "play \"O7", "play \"T0", "play \"V200",
                           "play \"I200", "note 129 10", "note [60 -1] 10", "note 60 70000", "rest 70000",
                           "setinstrument 128", "setinstrument \"kazoo", "setinstrument [1]"})
    run(line);
  EXPECT_EQ(errors(),
            (std::vector<int>{erBadValue, erBadValue, erBadValue, erBadValue, erBadValue, erMinMax, erMinMax,
                              erMinMax, erMinMax, erMinMax, erMinMax, erBadValue, erBadValue}));
  EXPECT_TRUE(notes().empty());
}

TEST_F(Sound, PlaywaveRecordsTheWaveDataInTurnAndStopsOnEmpty) {
  const std::string first = writeWave("first.wav", 800);
  const std::string second = writeWave("second.wav", 40);
  run("(playwave " + quoted(first) + " [] (list " + quoted(second) + "))");
  run("playwave []");
  const std::vector<SoundEvent> events = recording().events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].kind, SoundEvent::Kind::WaveStarted);
  EXPECT_EQ(events[0].file, first);
  EXPECT_EQ(events[0].data.size(), 44u + 800u);
  EXPECT_EQ(std::string(events[0].data.begin(), events[0].data.begin() + 4), "RIFF");
  EXPECT_EQ(events[1].file, second);
  EXPECT_EQ(events[1].data.back(), 0x90);
  EXPECT_EQ(events[2].kind, SoundEvent::Kind::WaveStopped);
  EXPECT_TRUE(errors().empty());
}

TEST_F(Sound, AMissingWaveIsAnErrorAndAMelodyPlaysItsWaveToken) {
  const std::string bell = writeWave("bell.wav", 100);
  run("playwave " + quoted(::testing::TempDir() + "nowhere"));
  EXPECT_EQ(errors(), std::vector<int>{erNoEmbeddedFilePlugin});
  const std::string withoutExtension = bell.substr(0, bell.size() - 4);
  run("play (list \"c word \"W " + quoted(withoutExtension) + " \"d)");
  EXPECT_EQ(notes().size(), 2u);
  bool played = false;
  for (const SoundEvent& event : recording().events()) played |= event.file == bell;
  EXPECT_TRUE(played);
}

}  // namespace
}  // namespace lx
