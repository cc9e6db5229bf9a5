// The set-up that every test of real windows shares: a virtual display
// (the test is skipped without Xvfb or xdotool), a folder of its own for
// scripts and the program's output, and the output quoted when a check
// fails.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "xvfb_display.h"

namespace lx::testing {

class WindowedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("lx-sdl-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    std::string error;
    if (!display_.start(error)) GTEST_SKIP() << "no virtual display: " << error;
    if (!display_.run("command -v xdotool")) GTEST_SKIP() << "xdotool is not installed";
  }
  void TearDown() override {
    if (!HasFailure()) std::filesystem::remove_all(folder_);
  }

  std::filesystem::path out() const { return folder_ / "out.txt"; }
  std::filesystem::path err() const { return folder_ / "err.txt"; }
  std::string why() const { return "output: " + readFile(out()) + "\nerrors: " + readFile(err()); }

  XvfbDisplay display_;
  std::filesystem::path folder_;
};

}  // namespace lx::testing
