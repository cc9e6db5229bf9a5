// Every NAME.lgo beside this file is run through the console with a fixed
// random seed; the page it leaves must look like expected/NAME.png. Run
// with LX_RENDER_UPDATE=1 to write the expected pictures anew (and look at
// each one before committing it).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/console.h"
#include "support/image_compare.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

const fs::path kRenderDir = LX_RENDER_DIR;

std::vector<std::string> scripts() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kRenderDir))
    if (entry.path().extension() == ".lgo") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class Render : public ::testing::TestWithParam<std::string> {};

TEST_P(Render, ThePageLooksAsExpected) {
  const std::string name = GetParam();
  const fs::path picture =
      fs::temp_directory_path() / ("lx-render-" + std::to_string(::getpid()) + "-" + name + ".png");
  CommandLine options;
  options.console = true;
  options.seed = 1;
  options.headless = true;
  options.screenshot = picture.string();
  std::ifstream script(kRenderDir / (name + ".lgo"), std::ios::binary);
  std::istringstream noInput;
  std::ostringstream out, err;
  ASSERT_EQ(runConsole(options, script, &noInput, out, err), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  const fs::path expectedFile = kRenderDir / "expected" / (name + ".png");
  if (const char* update = std::getenv("LX_RENDER_UPDATE"); update && *update == '1') {
    fs::copy_file(picture, expectedFile, fs::copy_options::overwrite_existing);
  }
  const std::optional<PixelBuffer> actual = PixelBuffer::readPng(picture);
  const std::optional<PixelBuffer> expected = PixelBuffer::readPng(expectedFile);
  ASSERT_TRUE(actual.has_value());
  ASSERT_TRUE(expected.has_value()) << "no expected picture " << expectedFile;
  const testing::ImageDifference difference = testing::compareImages(*actual, *expected);
  EXPECT_TRUE(difference.withinTolerance())
      << name << ": " << difference.describe() << " (picture kept in " << picture << ")";
  if (difference.withinTolerance()) fs::remove(picture);
}

INSTANTIATE_TEST_SUITE_P(Scripts, Render, ::testing::ValuesIn(scripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(ImageCompare, ReportsTheLargestAndMeanChannelDifference) {
  PixelBuffer a(10, 10, rgb(0, 0, 0));
  PixelBuffer b(10, 10, rgb(0, 0, 0));
  EXPECT_TRUE(testing::compareImages(a, b).withinTolerance());
  b.setPixel(3, 3, rgb(255, 0, 30));
  const testing::ImageDifference d = testing::compareImages(a, b);
  EXPECT_EQ(d.maxChannel, 255);
  EXPECT_DOUBLE_EQ(d.meanChannel, 285.0 / 300);
  EXPECT_EQ(d.visiblePixels, 1);
  EXPECT_FALSE(d.withinTolerance());
  EXPECT_FALSE(testing::compareImages(a, PixelBuffer(10, 11)).sameSize);
}

}  // namespace
}  // namespace lx
