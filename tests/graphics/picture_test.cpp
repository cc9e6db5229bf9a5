// Pictures on pages: loading one as the drawing, and placing one with
// `putpicture` by style, rectangle, position, size and scale.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "graphics/picture_placement.h"
#include "page_test_world.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class Pictures : public testing::PageTest {
 protected:
  Pictures() : file(fs::temp_directory_path() / ("lxpicture" + std::to_string(::getpid()) + ".png")) {
    // A 20 x 10 picture: red, with a blue upper-left pixel.
    PixelBuffer picture(20, 10, rgb(255, 0, 0));
    picture.setPixel(0, 0, rgb(0, 0, 255));
    EXPECT_TRUE(picture.writePng(file).ok);
    logo.run("new \"Page []");
    // Slashes would split a quoted word: the name is handed over in a variable.
    mainObject()->globals().setValue(codeOf("picturefile"), makeWord(file.string()));
  }
  ~Pictures() override { fs::remove(file); }

  std::string word() const { return ":picturefile"; }
  PicturePlacement placement(const std::string& parameters) {
    return placementOf(readList(parameters), surfaceNamed("page1"), {20, 10});
  }

  fs::path file;
};

TEST_F(Pictures, LoadingAPictureResizesThePageToIt) {
  runAs("page1", "loadbgpicture " + word() + " print size");
  EXPECT_EQ(take(), Names{"20 10"});
  EXPECT_EQ(surfaceNamed("page1").pixelAt(0, 0), rgb(0, 0, 255));
  EXPECT_EQ(surfaceNamed("page1").pixelAt(19, 9), rgb(255, 0, 0));
  // A missing file is the missing-file error; a file that is no picture the picture error.
  EXPECT_EQ(errorAs("page1", "loadbgpicture \"nosuchfile.png"), erNoEmbeddedFilePlugin);
  EXPECT_EQ(errorAs("page1", "loadbgpicture 5"), erExpectImage);
}

TEST_F(Pictures, WithoutParametersAPictureIsCentredOnTheDrawing) {
  const PicturePlacement p = placement("");
  EXPECT_EQ(p.style, PictureStyle::Centre);
  EXPECT_EQ(p.target, (PixelRect{0, 0, 796, 499}));
  runAs("page1", "putpicture " + word() + " []");
  EXPECT_EQ(surfaceNamed("page1").pixelAt(388, 244), rgb(0, 0, 255));
}

TEST_F(Pictures, AnyParameterMakesTheStyleUpperLeft) {
  const PicturePlacement p = placement("apos [30 40]");
  EXPECT_EQ(p.style, PictureStyle::UpperLeft);
  EXPECT_EQ(p.target, (PixelRect{30, 40, 20, 10}));
  // Page coordinates go through the origin.
  EXPECT_EQ(placement("pos [-398 249] scale 2").target, (PixelRect{0, 0, 40, 20}));
  EXPECT_EQ(placement("rect [-398 249 0 0]").target, (PixelRect{0, 0, 796, 499}));
  EXPECT_EQ(placement("arect [10 20 0 30]").target, (PixelRect{10, 20, 786, 30}));
  EXPECT_EQ(placement("style stretch apos [1 2] size [50 60]").target, (PixelRect{1, 2, 50, 60}));
}

TEST_F(Pictures, StylesPlaceThePictureInTheRectangle) {
  runAs("page1", "putpicture " + word() + " [style tile arect [100 100 50 25]]");
  const tgrScreen& surface = surfaceNamed("page1");
  EXPECT_EQ(surface.pixelAt(100, 100), rgb(0, 0, 255));
  EXPECT_EQ(surface.pixelAt(120, 110), rgb(0, 0, 255));  // the second row of tiles
  EXPECT_EQ(surface.pixelAt(149, 124), rgb(255, 0, 0));
  EXPECT_EQ(surface.pixelAt(150, 124), kWhite);  // clipped to the rectangle
  runAs("page1", "putpicture " + word() + " [style stretch arect [200 200 40 40]]");
  EXPECT_EQ(surface.pixelAt(201, 203), rgb(0, 0, 255));
  EXPECT_EQ(surface.pixelAt(239, 239), rgb(255, 0, 0));
}

TEST_F(Pictures, MalformedParametersRaiseTheirErrors) {
  EXPECT_EQ(errorAs("page1", "putpicture " + word() + " [style]"), erExpectWord);
  EXPECT_EQ(errorAs("page1", "putpicture " + word() + " [style sideways]"), erExpectWord);
  EXPECT_EQ(errorAs("page1", "putpicture " + word() + " [colour red]"), erExpectWord);
  EXPECT_EQ(errorAs("page1", "putpicture " + word() + " [[a] 1]"), erExpectWord);
  EXPECT_EQ(errorAs("page1", "putpicture " + word() + " [pos 5]"), erExpectList2);
}

}  // namespace
}  // namespace lx
