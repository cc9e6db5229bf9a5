// The desktop headless, the opener started without a shell, and the paint
// count.
#include "platform/desktop_devices.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/memory_use.h"
#include "platform/paint_count.h"
#include "platform/platform.h"

namespace lx {
namespace {

class HeadlessDesktop : public ::testing::Test {
 protected:
  void SetUp() override { startPlatform(BackendRequest::Headless); }
  void TearDown() override { stopPlatform(); }
};

TEST_F(HeadlessDesktop, AnswersFixedSizesAndKeepsThePointer) {
  EXPECT_EQ(joystickCount(), 0);
  EXPECT_TRUE(activeJoysticks().empty());
  EXPECT_EQ(systemMetric(0), 1024);
  EXPECT_EQ(systemMetric(1), 768);
  EXPECT_LT(systemMetric(17), systemMetric(1));
  EXPECT_EQ(systemMetric(99), std::nullopt);
  EXPECT_EQ(systemMetric(-1), std::nullopt);
  movePointerOnScreen({5, 6});
  EXPECT_EQ(pointerOnScreen().x, 5);
  EXPECT_EQ(pointerOnScreen().y, 6);
  setProgramCursor(CursorShape::Hand);
  EXPECT_EQ(programCursor(), CursorShape::Hand);
  setProgramCursor(CursorShape::Arrow);
}

// A folder with a stand-in opener that writes its arguments to a file, put
// first on the search path while the test runs.
class DesktopOpener : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("lx-opener-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    const std::filesystem::path opener = folder_ / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"" << (folder_ / "args.tmp").string()
                          << "\"\nmv \"" << (folder_ / "args.tmp").string() << "\" \"" << args().string()
                          << "\"\n";
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (folder_.string() + ":" + savedPath_).c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", savedPath_.c_str(), 1);
    std::filesystem::remove_all(folder_);
  }
  std::filesystem::path args() const { return folder_ / "args"; }

  // What the opener was given, once it has written it.
  std::string openerArguments() {
    for (int i = 0; i < 1000 && !std::filesystem::exists(args()); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::stringstream text;
    text << std::ifstream(args()).rdbuf();
    std::filesystem::remove(args());
    return text.str();
  }

  std::filesystem::path folder_;
  std::string savedPath_;
};

TEST_F(DesktopOpener, PassesTheTargetAsOneArgumentWithoutAShell) {
  ASSERT_TRUE(openOnDesktop("my notes; rm -rf $HOME.txt"));
  EXPECT_EQ(openerArguments(), "1|my notes; rm -rf $HOME.txt");
  // A target the opener would read as an option is given as a path.
  ASSERT_TRUE(openOnDesktop("--help"));
  EXPECT_EQ(openerArguments(), "1|./--help");
}

TEST_F(DesktopOpener, FailsWhenThereIsNoOpener) {
  ::setenv("PATH", (folder_ / "empty").c_str(), 1);
  EXPECT_FALSE(openOnDesktop("anything"));
}

TEST(PaintCount, CountsPaintsAndTheAreaTheyCover) {
  clearPaintCount();
  EXPECT_EQ(paintCount().paints, 0u);
  EXPECT_TRUE(paintCount().covered.isEmpty());
  countPaint({1, 2, 3, 4});
  countPaint({10, 10, 5, 5});
  EXPECT_EQ(paintCount().paints, 2u);
  EXPECT_EQ(paintCount().covered, (PixelRect{1, 2, 14, 13}));
  clearPaintCount();
  EXPECT_EQ(paintCount().paints, 0u);
}

TEST(MemoryUse, TheProgramTakesSomeMemory) {
  EXPECT_GT(residentKilobytes(), 100u);
}

}  // namespace
}  // namespace lx
