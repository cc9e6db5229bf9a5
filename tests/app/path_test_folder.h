// A fixture for the path tests: a folder of its own (named with the process
// id) that serves as the program folder, with a helper to make files and
// folders in it, and a freshly built search table.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/search_paths.h"
#include "platform/program_directory.h"

namespace lx {

class PathTestFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("lx-paths-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "program");
    savedProgramDirectory_ = programDirectory();
    setProgramDirectory(root_ / "program");
    initFilePaths();
  }
  void TearDown() override {
    clearFilePaths();
    setProgramDirectory(savedProgramDirectory_);
    std::filesystem::remove_all(root_);
  }

  // Makes a file (and its folders) below the test folder; `relative` uses "/".
  void makeFile(const std::string& relative) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }
  void makeFolder(const std::string& relative) { std::filesystem::create_directories(root_ / relative); }
  void useProjectFolder(const std::string& relative) {
    makeFolder(relative);
    setProjectDirectory(root_ / relative);
  }
  // The full path of something below the test folder, as the resolver gives it.
  std::string full(const std::string& relative) const { return root_.string() + "/" + relative; }

  std::filesystem::path root_;
  std::filesystem::path savedProgramDirectory_;
};

}  // namespace lx
