// Dialogs asked by Logo processes: the asking process waits with the
// interpreter lock released while the dialog's window takes keys, gets the
// answer the user gave, and ends at once when stopped; a run without
// windows takes queued answers or is cancelled at once.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "control_test_world.h"
#include "controls/dialog_answers.h"
#include "controls/dialog_runner.h"
#include "controls/dialog_sources.h"
#include "interp/error_sink.h"
#include "platform/message_box.h"
#include "support/process_start.h"

namespace lx {
namespace {

// Errors of the processes are the tests' business, not standard error's.
class QuietSink : public tdefaultcommander {
 public:
  void showError(const std::exception&) override {}
};

class DialogWindows : public testing::ControlTest {
 protected:
  DialogWindows() {
    clearDialogAnswers();
    setDialogOpenedHook([this](const std::shared_ptr<PlatformWindow>& window) { opened = window; });
  }
  ~DialogWindows() override {
    setDialogOpenedHook(nullptr);
    setDialogWindowsShown(nullptr);
    clearDialogAnswers();
  }
  std::shared_ptr<tLogoprocess> ask(const std::string& text) {
    return testing::startTextProcess(mainObject(), "asker", text, std::make_shared<QuietSink>());
  }
  // Serves the user-interface thread until a dialog has opened.
  bool dialogOpens() {
    for (int tries = 0; tries < 10000 && !opened.lock(); ++tries) {
      uiThread().runPending();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return opened.lock() != nullptr;
  }
  void press(Key key, unsigned char character = 0) {
    opened.lock()->queueInput(KeyEvent{KeyAction::Down, key, character, kNoModifiers, false});
    if (character) opened.lock()->queueInput(CharEvent{character, false});
  }

  std::weak_ptr<PlatformWindow> opened;
};

TEST_F(DialogWindows, AChooserInAWindowIsAnsweredWithKeys) {
  setDialogWindowsShown([] { return true; });
  const auto asker = ask("print chooser [red green blue]");
  ASSERT_TRUE(dialogOpens());
  EXPECT_EQ(opened.lock()->title(), "Choose");
  // The process waits with the lock released: another line runs meanwhile.
  logo.run("print \"meanwhile");
  press(Key::Down);
  press(Key::Down);
  press(Key::Up);
  press(Key::Enter);
  EXPECT_TRUE(waitForLine("green"));
  EXPECT_EQ(printed(), (std::vector<std::string>{"meanwhile", "green"}));
  // The window goes once the answer is in.
  uiThread().runPending();
  EXPECT_EQ(opened.lock(), nullptr);
}

TEST_F(DialogWindows, ATypedWordAndACancelledOne) {
  setDialogWindowsShown([] { return true; });
  ask("print readworddialog");
  ASSERT_TRUE(dialogOpens());
  for (char c : std::string("hi")) press(Key::Character, static_cast<unsigned char>(c));
  press(Key::Enter);
  EXPECT_TRUE(waitForLine("hi"));
  printed();

  opened.reset();
  ask("print list? readworddialog");
  ASSERT_TRUE(dialogOpens());
  press(Key::Character, 'x');
  press(Key::Escape);
  EXPECT_TRUE(waitForLine("true"));
}

TEST_F(DialogWindows, VoicesAndFilesComeFromTheirSources) {
  setDialogWindowsShown([] { return true; });
  setVoiceNameSource([] { return std::vector<std::string>{"alto", "bass"}; });
  setDialogFileLister([](const std::string& kind, const std::vector<std::string>& extensions) {
    return std::vector<std::string>{kind + ".wav", std::to_string(extensions.size())};
  });
  ask("print voiceChooser");
  ASSERT_TRUE(dialogOpens());
  press(Key::Down);
  press(Key::Enter);
  EXPECT_TRUE(waitForLine("bass"));
  opened.reset();
  // The wave chooser asks for media files of one extension; the field starts with the name given.
  ask("print wavechooser \"bell");
  ASSERT_TRUE(dialogOpens());
  press(Key::Enter);
  EXPECT_TRUE(waitForLine("bell"));
  opened.reset();
  ask("print wavechooser \"bell");
  ASSERT_TRUE(dialogOpens());
  press(Key::Down);
  press(Key::Enter);
  EXPECT_TRUE(waitForLine("media.wav"));
  setVoiceNameSource(nullptr);
  setDialogFileLister(nullptr);
}

TEST_F(DialogWindows, WhileADialogIsOpenThePageTakesNoClicks) {
  logo.run("ask \"page1 [new \"Button [name ok aPos [20 20] size [80 28]]]");
  logo.run("ask \"page1 [ask \"ok [setevent \"onPush [print \"pushed]]]");
  setDialogWindowsShown([] { return true; });
  ask("print readworddialog");
  ASSERT_TRUE(dialogOpens());
  click(40, 30);
  press(Key::Escape);
  EXPECT_TRUE(waitForLine(""));  // the cancelled dialog's empty list
  EXPECT_EQ(printed(), (std::vector<std::string>{""}));
  // The dialog is gone: the same click pushes the button.
  click(40, 30);
  EXPECT_TRUE(waitForLine("pushed"));
}

TEST_F(DialogWindows, AskedOnTheUserInterfaceThreadItsLoopRunsUntilTheAnswer) {
  setDialogWindowsShown([] { return true; });
  // The test's thread is the user-interface thread: the hook answers the
  // dialog as soon as it opens, and the loop the dialog runs delivers it.
  setDialogOpenedHook([](const std::shared_ptr<PlatformWindow>& window) {
    window->queueInput(KeyEvent{KeyAction::Down, Key::End, 0, kNoModifiers, false});
    window->queueInput(KeyEvent{KeyAction::Down, Key::Enter, 0, kNoModifiers, false});
  });
  logo.run("print chooser [one two three]");
  EXPECT_EQ(logo.takePrinted(), (std::vector<std::string>{"three"}));
}

TEST_F(DialogWindows, ClosingTheWindowCancels) {
  setDialogWindowsShown([] { return true; });
  ask("print empty? colourchooser 1");
  ASSERT_TRUE(dialogOpens());
  opened.lock()->requestClose();
  EXPECT_TRUE(waitForLine("true"));
}

TEST_F(DialogWindows, AStoppedProcessLeavesItsDialogAtOnce) {
  setDialogWindowsShown([] { return true; });
  const auto asker = ask("print readworddialog print \"after");
  ASSERT_TRUE(dialogOpens());
  asker->signalStop();
  logo.waitForProcesses();
  EXPECT_TRUE(asker->ended());
  uiThread().runPending();
  EXPECT_EQ(opened.lock(), nullptr);
  EXPECT_TRUE(logo.takePrinted().empty());
}

TEST_F(DialogWindows, QueuedAnswersComeFirstAndAnEmptyQueueCancelsWithoutWindows) {
  setDialogWindowsShown([] { return false; });
  queueDialogAnswer("from the queue");
  queueDialogAnswer("2");
  ask("print readworddialog print linewidthchooser 1 print empty? readworddialog");
  EXPECT_EQ(printed(), (std::vector<std::string>{"from the queue", "2", "true"}));
  EXPECT_EQ(opened.lock(), nullptr);  // no window was opened

  // With windows shown, a queued answer still wins.
  setDialogWindowsShown([] { return true; });
  queueDialogAnswer("queued");
  ask("print readworddialog");
  EXPECT_EQ(printed(), (std::vector<std::string>{"queued"}));
  EXPECT_EQ(opened.lock(), nullptr);
}

TEST_F(DialogWindows, AMessageBoxWithoutWindowsIsShownThePlatformsWayAndTakesNoAnswer) {
  setDialogWindowsShown([] { return false; });
  setMessageBoxEcho(false);
  clearShownMessages();
  queueDialogAnswer("kept");
  ask("(messagebox \"Note [all is well])");
  printed();
  const std::vector<ShownMessage> shown = shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Note");
  EXPECT_EQ(shown[0].text, "all is well");
  EXPECT_EQ(takeDialogAnswer(), std::optional<std::string>("kept"));
}

TEST_F(DialogWindows, TheAnswerFileGivesOneAnswerALine) {
  const std::string file = ::testing::TempDir() + "dialog-answers.txt";
  std::ofstream(file, std::ios::binary) << "first\r\n\nthird\n";
  ASSERT_TRUE(queueDialogAnswersFrom(file));
  EXPECT_EQ(takeDialogAnswer(), std::optional<std::string>("first"));
  EXPECT_EQ(takeDialogAnswer(), std::optional<std::string>(""));
  EXPECT_EQ(takeDialogAnswer(), std::optional<std::string>("third"));
  EXPECT_EQ(takeDialogAnswer(), std::nullopt);
  EXPECT_FALSE(queueDialogAnswersFrom(::testing::TempDir() + "no-such-answers.txt"));
}

}  // namespace
}  // namespace lx
