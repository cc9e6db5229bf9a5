// Controls in a real window under the virtual X server: text typed with
// real keys goes into the text box being edited (the key readers do not
// see it), and a real click on a button runs its `onPush`, which reads
// the text back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "windowed_test.h"

namespace lx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kTitle = "Lumaxis";
// Where the script puts the button, and a point inside it.
constexpr int kButtonX = 60;
constexpr int kButtonY = 114;

using WindowedControls = testing::WindowedTest;

TEST_F(WindowedControls, TypedTextGoesIntoTheTextBoxAndAClickedButtonReadsIt) {
  const fs::path file = folder_ / "script.lgo";
  std::ofstream(file) << "new \"TextBox [name box aPos [20 20] size [200 30] oneLine true]\n"
                         "new \"Button [name ok aPos [20 100] size [80 28] caption OK]\n"
                         "ask \"ok [setevent \"onPush [print ask \"box [value] stopall]]\n"
                         "ask \"box [setediting \"true]\n"
                         "print \"ready\n"
                         "wait 15000\n";
  testing::StartedProgram lumaxis({LX_LUMAXIS, "--console", file.string()}, display_.name(), out(), err());
  ASSERT_TRUE(testing::waitForText(out(), "ready", 10s)) << why();
  const std::optional<unsigned long> window = display_.findWindow(kTitle, 10s);
  ASSERT_TRUE(window) << why();
  ASSERT_TRUE(display_.typeKeys(*window, "h e l l o BackSpace p space w o r l d Home shift+Right"));
  ASSERT_TRUE(display_.typeKeys(*window, "shift+h"));
  // The click may come before the window is ready for it; the handler ends
  // the run, so further clicks cost nothing.
  for (int attempt = 0; attempt < 10 && testing::readFile(out()).find("Hellp") == std::string::npos;
       ++attempt) {
    ASSERT_TRUE(display_.click(*window, kButtonX, kButtonY));
    testing::waitForText(out(), "Hellp", 500ms);
  }
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis.waitForExit(10s), 0) << why();
  EXPECT_EQ(testing::readFile(out()), "ready\nHellp world\n");
}

// The same in a played project: the text box is saved being edited, and
// the button's handler comes with the project.
TEST_F(WindowedControls, APlayedProjectTakesTypedTextAndClicks) {
  const fs::path file = folder_ / "project.lxt";
  std::ofstream(file, std::ios::binary)
      << "make \"loading []\r\n"
         "MainWindow'.new. \"Page [name page1\r\n\t5 [796 499]\r\n\r\n"
         "page1'.new. \"TextBox [name box\r\n\t1 [20 20]\r\n\t5 [200 30]\r\n"
         "\t16 true\r\n\t181 true\r\n\r\n"
         "page1'.new. \"Button [name ok\r\n\t1 [20 100]\r\n\t5 [80 28]\r\n"
         "\t21 OK\r\n\tevent'onPush [print ask \"box [value]]\r\n\r\n";
  testing::StartedProgram lumaxis({LX_LUMAXIS, "--play", file.string()}, display_.name(), out(), err());
  const std::optional<unsigned long> window =
      display_.findWindow("project", 10s);  // a played project is titled by its name
  ASSERT_TRUE(window) << why();
  // Keys typed before the project has loaded go elsewhere: each attempt
  // selects everything and types the word again before the click.
  for (int attempt = 0; attempt < 10 && testing::readFile(out()).find("played\n") == std::string::npos;
       ++attempt) {
    ASSERT_TRUE(display_.typeKeys(*window, "ctrl+a p l a y e d"));
    ASSERT_TRUE(display_.click(*window, kButtonX, kButtonY));
    testing::waitForText(out(), "played\n", 500ms);
  }
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis.waitForExit(10s), 0) << why();
  const std::string printed = testing::readFile(out());
  EXPECT_EQ(printed.substr(printed.size() - std::min<size_t>(printed.size(), 7)), "played\n") << why();
}

// A tool bar docked at the top of the real window: a real click on its
// tool button chooses the tool, and the page below, moved down by the
// bar's height, still takes its clicks where it now shows.
TEST_F(WindowedControls, AToolBarTakesTheTopOfTheWindowAndItsToolButtonIsClicked) {
  const fs::path file = folder_ / "tools.lgo";
  std::ofstream(file) << "new \"ToolWindow [name bar]\n"
                         "ask \"bar [new \"ToolButton [name pen aPos [4 3]]]\n"
                         "ask \"bar [ask \"pen [setevent \"onPush [print activetoolbutton?]]]\n"
                         "new \"Button [name ok aPos [20 100] size [80 28] caption OK]\n"
                         "ask \"ok [setevent \"onPush [print \"ok stopall]]\n"
                         "print \"ready\n"
                         "wait 15000\n";
  testing::StartedProgram lumaxis({LX_LUMAXIS, "--console", file.string()}, display_.name(), out(), err());
  ASSERT_TRUE(testing::waitForText(out(), "ready", 10s)) << why();
  const std::optional<unsigned long> window = display_.findWindow(kTitle, 10s);
  ASSERT_TRUE(window) << why();
  for (int attempt = 0; attempt < 10 && testing::readFile(out()).find("pen") == std::string::npos; ++attempt) {
    ASSERT_TRUE(display_.click(*window, 4 + 13, 3 + 14));
    testing::waitForText(out(), "pen", 500ms);
  }
  // The bar is 34 pixels high: the page's button shows that much lower.
  for (int attempt = 0; attempt < 10 && testing::readFile(out()).find("ok") == std::string::npos; ++attempt) {
    ASSERT_TRUE(display_.click(*window, kButtonX, kButtonY + 34));
    testing::waitForText(out(), "ok", 500ms);
  }
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis.waitForExit(10s), 0) << why();
  EXPECT_EQ(testing::readFile(out()), "ready\npen\nok\n");
}

}  // namespace
}  // namespace lx
