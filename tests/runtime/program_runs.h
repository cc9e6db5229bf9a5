// Running the runtime and the packer as programs of their own, the way their
// users start them, with no display; each test works in a folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lang/project_file_reader.h"
#include "platform/pixel_buffer.h"

namespace lx {

namespace fs = std::filesystem;

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class PackedRuntime : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("lx-runtime-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  fs::path file(const std::string& name) const { return dir_ / name; }

  // Runs a program with no display, its output kept.
  ProgramRun run(const std::vector<std::string>& words) const {
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY";
    for (const std::string& word : words) command += " " + quoted(word);
    command +=
        " >" + quoted(file("out.txt").string()) + " 2>" + quoted(file("err.txt").string()) + " </dev/null";
    ProgramRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readAll(file("out.txt"));
    result.err = readAll(file("err.txt"));
    return result;
  }

  // Packs `project` onto the runtime as `program`.
  void pack(const fs::path& project, const fs::path& program,
            const std::vector<std::string>& extra = {}) const {
    std::vector<std::string> words = {LX_PACK,          "--runtime", LX_LUMAXIS,      "--project",
                                      project.string(), "-o",        program.string()};
    words.insert(words.end(), extra.begin(), extra.end());
    const ProgramRun packed = run(words);
    ASSERT_EQ(packed.status, 0) << packed.err;
  }

  PixelBuffer picture(const fs::path& png) const {
    std::optional<PixelBuffer> read = PixelBuffer::readPng(png);
    EXPECT_TRUE(read.has_value()) << "no picture " << png;
    if (!read) return PixelBuffer(1, 1);
    return std::move(*read);
  }

  fs::path dir_;
};

// The text of a saved container after its header line (which holds the
// file's name and the time of saving).
inline std::string savedText(const fs::path& container) {
  std::ifstream in(container, std::ios::binary);
  const ProjectFileContents contents = readProjectFile(in);
  EXPECT_TRUE(contents.isContainer) << container;
  const size_t lineEnd = contents.text.find("\r\n");
  return lineEnd == std::string::npos ? contents.text : contents.text.substr(lineEnd);
}

}  // namespace lx
