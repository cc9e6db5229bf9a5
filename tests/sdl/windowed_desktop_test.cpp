// The desktop seen from a real window under a virtual X server: the screen's
// size, the main object's pointer moving the real pointer, and a document
// handed to the desktop's opener (a stand-in on the search path that writes
// down what it was given).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "windowed_test.h"

namespace lx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class WindowedDesktop : public testing::WindowedTest {
 protected:
  void SetUp() override {
    savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    WindowedTest::SetUp();
    if (IsSkipped()) return;
    const fs::path opener = folder_ / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$1\" > \"" << (folder_ / "opened").string() << "\"\n";
    fs::permissions(opener, fs::perms::owner_all);
    ::setenv("PATH", (folder_.string() + ":" + savedPath_).c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", savedPath_.c_str(), 1);
    WindowedTest::TearDown();
  }
  fs::path file(const std::string& name) const { return folder_ / name; }

  std::string savedPath_;
};

TEST_F(WindowedDesktop, TheScreenThePointerAndTheOpenerAreTheRealOnes) {
  std::ofstream(file("script.lgo")) << "print systemmetrics 0\n"
                                       "print systemmetrics 1\n"
                                       "main'setmousepos [321 234]\n"
                                       "print main'mousepos\n"
                                       "print numJoysticks\n"
                                       "browseDocument \"|https://example.org/a b|\n"
                                       "print \"done\n";
  testing::StartedProgram lumaxis({LX_LUMAXIS, "--console", file("script.lgo").string()}, display_.name(),
                                  out(), err());
  ASSERT_TRUE(lumaxis.started());
  ASSERT_TRUE(testing::waitForText(out(), "done", 20s)) << why();
  // The virtual screen is 1280 by 1024.
  EXPECT_EQ(testing::readFile(out()), "1280\n1024\n321 234\n0\ndone\n") << why();
  const std::optional<std::string> pointer = display_.run("xdotool getmouselocation --shell");
  ASSERT_TRUE(pointer);
  EXPECT_NE(pointer->find("X=321\nY=234"), std::string::npos) << *pointer;
  ASSERT_TRUE(testing::waitForText(file("opened"), "https://example.org/a b", 10s));
  const std::optional<unsigned long> window = display_.findWindow("Lumaxis", 10s);
  ASSERT_TRUE(window) << why();
  ASSERT_TRUE(display_.requestClose(*window));
  EXPECT_EQ(lumaxis.waitForExit(10s), 0) << why();
}

}  // namespace
}  // namespace lx
