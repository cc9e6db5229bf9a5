// Dialogs in real windows under the virtual X server: a played project
// opens a chooser and then asks for a word, and real key presses answer
// both; the project goes on with the answers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "windowed_test.h"

namespace lx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class WindowedDialogs : public testing::WindowedTest {
 protected:
  // Finds the dialog titled `title` and presses `keys` in it until the
  // project prints `expected`. Keys that come before the window takes them
  // are lost, so with `retry` each attempt presses the whole answer again
  // (for keys that give the same answer however often they are pressed).
  void answer(const std::string& title, const std::string& keys, const std::string& expected,
              bool retry = true) {
    const std::optional<unsigned long> dialog = display_.findWindow(title, 10s);
    ASSERT_TRUE(dialog) << title << " did not open\n" << why();
    const int attempts = retry ? 10 : 1;
    for (int attempt = 0; attempt < attempts && testing::readFile(out()).find(expected) == std::string::npos;
         ++attempt) {
      display_.typeKeys(*dialog, keys);
      testing::waitForText(out(), expected, retry ? 500ms : 5s);
    }
    EXPECT_NE(testing::readFile(out()).find(expected), std::string::npos) << why();
  }

};

TEST_F(WindowedDialogs, APlayedProjectsChooserAndWordDialogAreAnsweredWithKeys) {
  const fs::path file = folder_ / "project.lxt";
  std::ofstream(file, std::ios::binary)
      << "ask \"MainWindow [(newpage \"page1)]\r\n\r\n"
         "launch [print word \"pattern: linepatternchooser 0 "
         "print word \"word: readworddialog print word \"cancelled: empty? readworddialog]\r\n\r\n";
  testing::StartedProgram lumaxis({LX_LUMAXIS, "--play", file.string()}, display_.name(), out(), err());
  // Home, then two down: the third pattern, dots.
  answer("Line pattern", "Home Down Down Return", "pattern:2\n");
  answer("Type a word", "h i Return", "word:hi\n", false);
  answer("Type a word", "x Escape", "cancelled:true\n");
  const std::optional<unsigned long> window = display_.findWindow("project", 10s);
  ASSERT_TRUE(window) << why();
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis.waitForExit(10s), 0) << why();
  EXPECT_EQ(testing::readFile(out()), "pattern:2\nword:hi\ncancelled:true\n");
}

}  // namespace
}  // namespace lx
