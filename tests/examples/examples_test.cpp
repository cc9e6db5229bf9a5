// The example projects played the way the guide tells a newcomer to play
// them: each loads without an error, and the page it ends on looks like the
// picture of it in docs/pictures, so that neither the examples nor the
// guide's pictures go stale. scripts/screenshots takes those pictures with
// the same command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "platform/pixel_buffer.h"
#include "support/image_compare.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = LX_SOURCE_DIR;
const fs::path kExamples = kSource / "examples";
const fs::path kPictures = kSource / "docs" / "pictures";
const fs::path kGuide = kSource / "docs" / "guide.md";

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::vector<std::string> exampleNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kExamples))
    if (entry.path().extension() == ".lxt") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The comment paragraph an example opens with: its lines up to the first
// one that is not a comment.
std::string openingComment(const std::string& text) {
  std::istringstream lines(text);
  std::string line, comment;
  while (std::getline(lines, line) && !line.empty() && line[0] == ';') comment += line + "\n";
  return comment;
}

// How long the example's opening comment tells a headless run to last.
std::optional<long> runTime(const std::string& comment) {
  std::smatch match;
  static const std::regex runMs("--run-ms ([0-9]+)");
  if (!std::regex_search(comment, match, runMs)) return std::nullopt;
  return std::stol(match[1].str());
}

struct Played {
  int status = -1;
  std::string out;
  std::string err;
};

// Plays one example headless with the fixed seed, with no display even
// when the test runs on a desktop.
Played play(const std::string& name, long runMs, const fs::path& picture, const fs::path& dir) {
  const fs::path out = dir / (name + ".out"), err = dir / (name + ".err");
  std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + quoted(LX_LUMAXIS) + " --play " +
                        quoted((kExamples / (name + ".lxt")).string()) + " --headless --run-ms " +
                        std::to_string(runMs) + " --seed 1 --screenshot " + quoted(picture.string());
  command += " >" + quoted(out.string()) + " 2>" + quoted(err.string()) + " </dev/null";
  Played played;
  const int raw = std::system(command.c_str());
  played.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  played.out = readAll(out);
  played.err = readAll(err);
  fs::remove(out);
  fs::remove(err);
  return played;
}

class Example : public ::testing::TestWithParam<std::string> {};

TEST_P(Example, SaysWhatItShowsAndHowToRunIt) {
  const std::string name = GetParam();
  const std::string comment = openingComment(readAll(kExamples / (name + ".lxt")));
  EXPECT_GE(std::count(comment.begin(), comment.end(), '\n'), 3) << name << " opens without a comment";
  EXPECT_NE(comment.find("--play examples/" + name + ".lxt"), std::string::npos)
      << name << "'s opening comment does not say how to play it";
  EXPECT_TRUE(runTime(comment).has_value()) << name << "'s opening comment gives no --run-ms for a headless run";
}

TEST_P(Example, PlaysWithoutAnErrorAndDrawsTheGuidesPicture) {
  const std::string name = GetParam();
  const std::optional<long> runMs = runTime(openingComment(readAll(kExamples / (name + ".lxt"))));
  ASSERT_TRUE(runMs.has_value()) << name;
  const fs::path dir = fs::temp_directory_path() / ("lx-examples-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path picture = dir / (name + ".png");
  const Played played = play(name, *runMs, picture, dir);
  EXPECT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.err, "");
  const std::optional<PixelBuffer> actual = PixelBuffer::readPng(picture);
  const std::optional<PixelBuffer> expected = PixelBuffer::readPng(kPictures / (name + ".png"));
  ASSERT_TRUE(actual.has_value()) << name << " left no picture";
  ASSERT_TRUE(expected.has_value()) << "no picture docs/pictures/" << name << ".png: run scripts/screenshots";
  const testing::ImageDifference difference = testing::compareImages(*actual, *expected);
  RecordProperty("difference", difference.describe());
  EXPECT_TRUE(difference.withinTolerance())
      << name << ": " << difference.describe() << " (picture kept in " << picture << ")";
  if (HasFailure()) return;
  fs::remove(picture);
  std::error_code ignored;
  fs::remove(dir, ignored);  // only when no other run keeps a picture there
}

INSTANTIATE_TEST_SUITE_P(Projects, Example, ::testing::ValuesIn(exampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                           return name;
                         });

// The guide shows every example and its picture, and every picture it
// keeps belongs to an example.
TEST(Guide, ShowsEveryExampleAndItsPicture) {
  const std::string guide = readAll(kGuide);
  ASSERT_FALSE(guide.empty()) << "no " << kGuide;
  for (const std::string& name : exampleNames()) {
    EXPECT_NE(guide.find("examples/" + name + ".lxt"), std::string::npos) << "the guide never names " << name;
    EXPECT_NE(guide.find("pictures/" + name + ".png"), std::string::npos) << "the guide never shows " << name;
  }
  const std::vector<std::string> names = exampleNames();
  for (const fs::directory_entry& entry : fs::directory_iterator(kPictures)) {
    const std::string stem = entry.path().stem().string();
    EXPECT_TRUE(std::find(names.begin(), names.end(), stem) != names.end() || guide.find("pictures/" + stem) != std::string::npos)
        << "docs/pictures/" << entry.path().filename().string() << " belongs to no example and the guide does not use it";
  }
}

}  // namespace
}  // namespace lx
