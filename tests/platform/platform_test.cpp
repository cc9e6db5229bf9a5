// The started platform: which backend runs, the hand-over through the
// program-wide user-interface thread, the clipboard, message boxes and
// recorded sound.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "platform/clipboard.h"
#include "platform/headless_backend.h"
#include "platform/message_box.h"

namespace lx {
namespace {

TEST(BackendChoice, HeadlessWithoutADisplayOrWhenAskedFor) {
  std::map<std::string, std::string> environment;
  const auto lookup = [&](const char* name) -> const char* {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  };
  EXPECT_FALSE(displayAvailable(lookup));
  environment["DISPLAY"] = "";
  EXPECT_FALSE(displayAvailable(lookup));
  environment["WAYLAND_DISPLAY"] = "wayland-0";
  EXPECT_TRUE(displayAvailable(lookup));
  environment = {{"DISPLAY", ":0"}};
  EXPECT_TRUE(displayAvailable(lookup));

  EXPECT_EQ(chooseBackend(BackendRequest::Automatic, false), BackendKind::Headless);
  EXPECT_EQ(chooseBackend(BackendRequest::Automatic, true), BackendKind::Windowed);
  EXPECT_EQ(chooseBackend(BackendRequest::Headless, true), BackendKind::Headless);
  EXPECT_EQ(chooseBackend(BackendRequest::Windowed, false), BackendKind::Headless);
}

class HeadlessPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setMessageBoxEcho(false);
    clearShownMessages();
    startPlatform(BackendRequest::Headless);
  }
  void TearDown() override {
    stopPlatform();
    setMessageBoxEcho(true);
  }
  HeadlessBackend& headless() { return dynamic_cast<HeadlessBackend&>(platform()); }
};

TEST_F(HeadlessPlatformTest, ProcessThreadMakesAWindowThroughTheHandOver) {
  std::shared_ptr<PlatformWindow> window;
  std::atomic<bool> made{false};
  std::thread process([&] {
    window = uiThread().runOnUiThread([] { return platform().createWindow({"\x8Akola", 0, 0, 30, 20}); });
    made = true;
    uiThread().wake();
  });
  EXPECT_EQ(uiThread().runUntil([&] { return made.load(); }, afterMilliseconds(10000)), RunEnd::Done);
  process.join();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->title(), "\x8Akola");
  EXPECT_EQ(window->clientWidth(), 30);
  window.reset();  // on the user-interface thread
}

TEST_F(HeadlessPlatformTest, ClipboardKeepsInternalTextExactly) {
  EXPECT_EQ(clipboardText(), "");
  const std::string text = "first line\r\n\x8A\x9A\xE8 \xB9 end";
  std::thread([&] { setClipboardText(text); }).join();
  EXPECT_EQ(clipboardText(), text);
  setClipboardText("");
  EXPECT_EQ(clipboardText(), "");
}

TEST_F(HeadlessPlatformTest, MessageBoxesGoThroughTheBackendAndAreRecorded) {
  std::thread([] { showMessageBox("Logo", "from a process"); }).join();
  showMessageBox("Logo", "from the user-interface thread");
  const auto shown = shownMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "from a process");
  EXPECT_EQ(shown[1].caption, "Logo");
}

TEST(MessageBoxWithoutPlatform, IsStillRecorded) {
  ASSERT_EQ(startedPlatform(), nullptr);
  setMessageBoxEcho(false);
  clearShownMessages();
  showMessageBox("Logo", "early");
  setMessageBoxEcho(true);
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_EQ(shownMessages()[0].text, "early");
}

TEST_F(HeadlessPlatformTest, SoundIsRecordedAsTimedEvents) {
  SoundOutput& sound = platform().sound();
  sound.sendMidi(MidiMessage::noteOn(0, 60, 100));  // ignored: the output is closed
  ASSERT_TRUE(sound.openMidi());
  sound.sendMidi(MidiMessage::programChange(2, 19));
  sound.sendMidi(MidiMessage::noteOn(2, 73, 127));
  sound.sendMidi(MidiMessage::noteOff(2, 73));
  sound.closeMidi();
  bool finished = false;
  // A wave of one sample: 8-bit mono, its header and its data chunk.
  const std::string bell = ::testing::TempDir() + "bell.wav";
  std::ofstream(bell, std::ios::binary) << std::string("RIFF\x25\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0"
                                                       "\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\x01\0\0\0\x80",
                                                       45);
  EXPECT_FALSE(sound.playWave(bell + ".missing", {}));  // refused, not recorded
  EXPECT_TRUE(sound.playWave(bell, [&] { finished = uiThread().isCurrent(); }));
  sound.stopWave();

  const auto events = headless().recordedSound().events();
  using Kind = SoundEvent::Kind;
  ASSERT_EQ(events.size(), 7u);
  EXPECT_EQ(events[0].kind, Kind::MidiOpened);
  EXPECT_EQ(events[1].midi.packed(), 0x13C2u);
  EXPECT_EQ(events[2].midi, (MidiMessage{0x92, 73, 127}));
  EXPECT_EQ(events[3].midi, (MidiMessage{0x82, 73, 0}));
  EXPECT_EQ(events[4].kind, Kind::MidiClosed);
  EXPECT_EQ(events[5].kind, Kind::WaveStarted);
  EXPECT_EQ(events[5].file, bell);
  EXPECT_EQ(events[6].kind, Kind::WaveStopped);
  for (size_t i = 1; i < events.size(); ++i) EXPECT_LE(events[i - 1].tick, events[i].tick);
  EXPECT_FALSE(finished);
  uiThread().runPending();
  EXPECT_TRUE(finished);
}

}  // namespace
}  // namespace lx
