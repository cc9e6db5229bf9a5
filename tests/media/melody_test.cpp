// The melody language without a device: tokens as read, the notes and
// milliseconds they play, and the settings they leave.
#include "media/melody.h"

#include <gtest/gtest.h>

#include "core/logo_exception.h"
#include "media/midi_channels.h"
#include "support/logo_session.h"

namespace lx {
namespace {

using Kind = MelodyToken::Kind;

errorConst errorOf(std::string_view token) {
  try {
    readMelodyToken(token);
  } catch (const eLogoException& error) {
    return error.code;
  }
  return erUnexpected;
}

TEST(MelodyTokens, NotesWithLengthsAccidentalsAndDots) {
  const MelodyToken c = readMelodyToken("c");
  EXPECT_EQ(c.kind, Kind::Note);
  EXPECT_EQ(c.semitone, 1);
  EXPECT_EQ(c.length, 0);
  const MelodyToken halfDotted = readMelodyToken("2C.");
  EXPECT_EQ(halfDotted.length, 2);
  EXPECT_TRUE(halfDotted.dotted);
  EXPECT_EQ(readMelodyToken("8d#").semitone, 4);
  EXPECT_EQ(readMelodyToken("cb").semitone, 0);
  EXPECT_EQ(readMelodyToken("h").semitone, readMelodyToken("B").semitone);
  EXPECT_EQ(readMelodyToken("0e").length, 0);
  EXPECT_EQ(readMelodyToken("64p.").kind, Kind::Pause);
}

TEST(MelodyTokens, SettingsTokens) {
  EXPECT_EQ(readMelodyToken("O5").number, 5);
  EXPECT_EQ(readMelodyToken("o#").kind, Kind::OctaveUp);
  EXPECT_EQ(readMelodyToken("Ob").kind, Kind::OctaveDown);
  EXPECT_EQ(readMelodyToken("T90").number, 90);
  EXPECT_EQ(readMelodyToken("T+").number, 1);
  EXPECT_EQ(readMelodyToken("t-15").number, -15);
  EXPECT_EQ(readMelodyToken("t-15").kind, Kind::TempoStep);
  EXPECT_EQ(readMelodyToken("L16").number, 16);
  EXPECT_EQ(readMelodyToken("V0").number, 0);
  EXPECT_EQ(readMelodyToken("Sanything").kind, Kind::Nothing);
  EXPECT_EQ(readMelodyToken("WSounds/Bell.wav").text, "Sounds/Bell.wav");
  EXPECT_EQ(readMelodyToken("I[Church Organ]").text, "[Church Organ]");
}

TEST(MelodyTokens, MalformedTokensAreError9) {
  for (const char* token : {"O7",  "4X", "3c",   "128c", "c#.x", "cx", "",    "T",  "T0", "T70000",
                            "T+x", "L3", "L128", "V128", "V",    "O",  "O5x", "p#", "+",  "-10"})
    EXPECT_EQ(errorOf(token), erBadValue) << token;
}

TEST(MelodyTokens, NoteNumbersCrossOctavesButNotTheEnds) {
  EXPECT_EQ(midiNoteOf(1, 3), 73);
  EXPECT_EQ(midiNoteOf(13, 3), midiNoteOf(1, 4));
  EXPECT_EQ(midiNoteOf(0, 3), midiNoteOf(12, 2));
  EXPECT_EQ(midiNoteOf(13, 6), 12 * 6 + 12 + 36);
  EXPECT_EQ(midiNoteOf(0, 0), 37);
}

TEST(MelodyTokens, TempoStepsSplitByTheReaderAreJoined) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(joinMelodyWords({"T", "+", "10", "c"}), (Words{"T+10", "c"}));
  EXPECT_EQ(joinMelodyWords({"t", "-", "10"}), (Words{"t-10"}));
  EXPECT_EQ(joinMelodyWords({"T", "-10", "c"}), (Words{"T-10", "c"}));
  EXPECT_EQ(joinMelodyWords({"T", "+", "c"}), (Words{"T+", "c"}));
  EXPECT_EQ(joinMelodyWords({"T120", "+", "c"}), (Words{"T120", "+", "c"}));
}

TEST(SoundSettingsTest, DurationsFollowTheTempoRounded) {
  SoundSettings s;
  EXPECT_EQ(s.durations, (std::array<int, 7>{2000, 1000, 500, 250, 125, 63, 31}));
  s.setTempo(130);
  EXPECT_EQ(s.duration(4, false), 462);
  EXPECT_EQ(s.duration(2, true), 1384);
  s.setTempo(1);
  EXPECT_EQ(s.duration(1, false), 240000);
}

// Plays melodies on a state of its own, recording what would sound.
class MelodyPlaying : public ::testing::Test {
 protected:
  MelodyPlaying() {
    testing::prepareLogoWorld();
    rememberSoundSettings(SoundSettings());
    state.initialise();
    actions.sound = [this](const std::vector<int>& notes, int ms) {
      played.push_back({notes.empty() ? -1 : notes[0], ms});
    };
    actions.wave = [this](const std::string& file) { waves.push_back(file); };
    actions.midiOpen = [] { return true; };
  }
  void play(const std::vector<std::string>& words) {
    for (const std::string& word : joinMelodyWords(words))
      playMelodyToken(state, readMelodyToken(word), actions);
  }

  ProcessSound state;
  MelodyActions actions;
  std::vector<std::pair<int, int>> played;  // note (-1: pause), milliseconds
  std::vector<std::string> waves;
};

using Played = std::vector<std::pair<int, int>>;

TEST_F(MelodyPlaying, DottedNotesAndPausesAtTwoTempos) {
  play({"2c.", "8d#", "p", "T60", "2c.", "8d#", "8p."});
  EXPECT_EQ(played, (Played{{73, 1500}, {76, 250}, {-1, 500}, {73, 3000}, {76, 500}, {-1, 750}}));
}

TEST_F(MelodyPlaying, ATempoStepMovesTheTempoAfterEveryNote) {
  play({"T", "+", "10", "c", "c", "c"});
  EXPECT_EQ(played, (Played{{73, 500}, {73, 462}, {73, 429}}));
  played.clear();
  play({"T2", "T-5", "1c", "1c"});  // the step would take it below 2: it stays
  EXPECT_EQ(played, (Played{{73, 120000}, {73, 120000}}));
}

TEST_F(MelodyPlaying, SettingsStayForTheNextMelodyAndResetRestoresThem) {
  play({"O5", "L8", "V90", "Iguitar"});
  play({"c", "O#", "c", "Ob", "Ob", "c"});
  EXPECT_EQ(played, (Played{{97, 250}, {109, 250}, {85, 250}}));
  EXPECT_EQ(state.settings().velocity, 90);
  EXPECT_EQ(state.settings().instrument, 25);
  EXPECT_EQ(lastSoundSettings().octave, 4);
  play({"R", "c", "WBell"});
  EXPECT_EQ(played.back(), (std::pair{73, 500}));
  EXPECT_EQ(state.settings().instrument, 0);
  EXPECT_EQ(state.settings().velocity, 127);
  EXPECT_EQ(waves, std::vector<std::string>{"Bell"});
}

TEST_F(MelodyPlaying, OctavesAndInstrumentsOutOfRange) {
  auto code = [&](const std::string& word) {
    try {
      play({word});
    } catch (const eLogoException& error) {
      return error.code;
    }
    return erUnexpected;
  };
  play({"O0"});
  EXPECT_EQ(code("Ob"), erBadValue);
  play({"O6"});
  EXPECT_EQ(code("O#"), erBadValue);
  EXPECT_EQ(code("I129"), erMinMax);
  EXPECT_EQ(code("Ikazoo"), erBadValue);
  play({"I128"});
  EXPECT_EQ(state.settings().instrument, 128);
  play({"I[church organ]"});
  EXPECT_EQ(state.settings().instrument, 19);
}

TEST_F(MelodyPlaying, WithoutADeviceInstrumentAndVelocityAreLeftAlone) {
  actions.midiOpen = [] { return false; };
  play({"I40", "V10", "c"});
  EXPECT_EQ(state.settings().instrument, 0);
  EXPECT_EQ(state.settings().velocity, 127);
  EXPECT_EQ(played, (Played{{73, 500}}));
}

TEST(MidiChannelsTest, TheLowestFreeChannelIsTakenAndGivenBack) {
  MidiChannels channels;
  for (int i = 0; i < kMidiChannels; ++i) EXPECT_EQ(channels.take(i), i);
  EXPECT_EQ(channels.take(0), -1);
  channels.give(3);
  EXPECT_EQ(channels.take(7), 3);
  EXPECT_EQ(channels.used()[3], (std::pair{3, 7}));
}

}  // namespace
}  // namespace lx
