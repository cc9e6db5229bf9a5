// The runtime in a real window, under a virtual X server that the tests
// start themselves (and skip without): `lumaxis --console` shows its page
// in a window until the window is closed, a real click on the turtle runs
// the turtle's onClick, keys typed at the window are read or run the
// turtle's key menu, and the window
// shows what the headless screenshot of the same script shows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/pixel_buffer.h"
#include "support/image_compare.h"
#include "windowed_test.h"

namespace lx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The console's window: named after the program, as large as its page, with
// the turtle at the page's centre.
constexpr const char* kTitle = "Lumaxis";
constexpr int kTurtleX = 398;
constexpr int kTurtleY = 249;

class WindowedConsole : public testing::WindowedTest {
 protected:
  fs::path script(const std::string& text) {
    const fs::path file = folder_ / "script.lgo";
    std::ofstream(file) << text;
    return file;
  }
  std::unique_ptr<testing::StartedProgram> console(const fs::path& file, std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{LX_LUMAXIS, "--console", file.string()};
    arguments.insert(arguments.end(), more.begin(), more.end());
    const bool headless = std::find(more.begin(), more.end(), "--headless") != more.end();
    return std::make_unique<testing::StartedProgram>(arguments, headless ? "" : display_.name(), out(),
                                                     err());
  }
};

TEST_F(WindowedConsole, ARealClickOnTheTurtleRunsItsOnClick) {
  auto lumaxis =
      console(script("setevent \"onClick [print \"clicked stopall]\n"
                     "print \"ready\n"
                     "wait 15000\n"));
  ASSERT_TRUE(lumaxis->started());
  ASSERT_TRUE(testing::waitForText(out(), "ready", 10s)) << why();
  const std::optional<unsigned long> window = display_.findWindow(kTitle, 10s);
  ASSERT_TRUE(window) << why();
  // The first click may come before the window is ready for it; the handler
  // ends the run, so further clicks cost nothing.
  for (int attempt = 0; attempt < 10 && testing::readFile(out()).find("clicked") == std::string::npos;
       ++attempt) {
    ASSERT_TRUE(display_.click(*window, kTurtleX, kTurtleY));
    testing::waitForText(out(), "clicked", 500ms);
  }
  // The page stays to be seen until the window is closed.
  EXPECT_EQ(lumaxis->waitForExit(300ms), std::nullopt);
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis->waitForExit(10s), 0) << why();
  EXPECT_EQ(testing::readFile(out()), "ready\nclicked\n");
}

TEST_F(WindowedConsole, KeysTypedAtTheWindowAreRead) {
  auto lumaxis =
      console(script("print \"ready\n"
                     "print readkey\n"
                     "print readchar\n"
                     "print readkey\n"));
  ASSERT_TRUE(testing::waitForText(out(), "ready", 10s)) << why();
  const std::optional<unsigned long> window = display_.findWindow(kTitle, 10s);
  ASSERT_TRUE(window) << why();
  ASSERT_TRUE(display_.typeKeys(*window, "shift+a exclam shift+F5"));
  EXPECT_TRUE(testing::waitForText(out(), "shift.f5", 10s)) << why();
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis->waitForExit(10s), 0) << why();
  EXPECT_EQ(testing::readFile(out()), "ready\nA\n!\nshift.f5\n");
}

TEST_F(WindowedConsole, RealKeysRunTheTurtlesKeyMenu) {
  auto lumaxis =
      console(script("ask \"t1 [setkeyMenu [ctrl.k [print \"ctrl.k] off.x [print \"x.up] f3 [print \"f3 stopall]]]\n"
                     "print \"ready\n"
                     "wait 15000\n"));
  ASSERT_TRUE(testing::waitForText(out(), "ready", 10s)) << why();
  const std::optional<unsigned long> window = display_.findWindow(kTitle, 10s);
  ASSERT_TRUE(window) << why();
  // One key at a time: each menu has printed before the next key comes.
  ASSERT_TRUE(display_.typeKeys(*window, "ctrl+k"));
  ASSERT_TRUE(testing::waitForText(out(), "ctrl.k", 10s)) << why();
  ASSERT_TRUE(display_.typeKeys(*window, "x"));
  ASSERT_TRUE(testing::waitForText(out(), "x.up", 10s)) << why();
  ASSERT_TRUE(display_.typeKeys(*window, "F3"));
  EXPECT_TRUE(testing::waitForText(out(), "f3", 10s)) << why();
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis->waitForExit(10s), 0) << why();
  EXPECT_EQ(testing::readFile(out()), "ready\nctrl.k\nx.up\nf3\n");
}

TEST_F(WindowedConsole, TheWindowShowsTheHeadlessPictureAndClosingItEndsTheRun) {
  const fs::path file = script(
      "setpencolour [0 0 160]\n"
      "repeat 100 [forward repcount * 4 right 90]\n"
      "setpencolour 12 setpenwidth 5 right 45 forward 150\n"
      "print \"drawn\n"
      "launch [wait 15000]\n");
  const fs::path headlessPicture = folder_ / "headless.png";
  {
    auto headless =
        console(file, {"--headless", "--run-ms", "100", "--screenshot", headlessPicture.string()});
    ASSERT_EQ(headless->waitForExit(10s), 0) << why();
  }
  auto lumaxis = console(file);
  ASSERT_TRUE(testing::waitForText(out(), "drawn", 10s)) << why();
  const std::optional<unsigned long> window = display_.findWindow(kTitle, 10s);
  ASSERT_TRUE(window) << why();
  const std::optional<PixelBuffer> expected = PixelBuffer::readPng(headlessPicture);
  ASSERT_TRUE(expected);
  // The last paints reach the screen a little after the text: look again
  // until the window shows the picture or the time is up.
  const fs::path windowPicture = folder_ / "window.png";
  testing::ImageDifference difference;
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  do {
    ASSERT_TRUE(display_.screenshot(*window, windowPicture)) << "ImageMagick's import is missing?";
    const std::optional<PixelBuffer> shown = PixelBuffer::readPng(windowPicture);
    ASSERT_TRUE(shown);
    difference = testing::compareImages(*shown, *expected);
  } while (!difference.withinTolerance() && std::chrono::steady_clock::now() < deadline);
  EXPECT_TRUE(difference.withinTolerance())
      << difference.describe() << " (pictures kept in " << folder_ << ")";

  // The launched wait would hold the run for 15 seconds; closing ends it.
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis->waitForExit(5s), 0) << why();
}

// Without a display that can be opened the run goes on headless, and says so.
TEST(WithoutADisplay, TheConsoleRunsHeadlessAndSaysWhy) {
  const fs::path folder = fs::temp_directory_path() / ("lx-sdl-" + std::to_string(::getpid()) + "-nodisplay");
  fs::create_directories(folder);
  const fs::path file = folder / "script.lgo";
  std::ofstream(file) << "print 6 * 7\n";
  testing::StartedProgram lumaxis({LX_LUMAXIS, "--console", file.string()}, ":65000", folder / "out.txt",
                                  folder / "err.txt");
  EXPECT_EQ(lumaxis.waitForExit(10s), 0);
  EXPECT_EQ(testing::readFile(folder / "out.txt"), "42\n");
  EXPECT_NE(testing::readFile(folder / "err.txt").find("lumaxis: cannot open a window"), std::string::npos)
      << testing::readFile(folder / "err.txt");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace lx
