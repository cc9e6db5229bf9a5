// Projects that hold pictures: images in property lists and variables are
// saved as image chunks with references in the text, and come back from a
// fresh load equal to what was saved, their chunks byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/picture_files.h"
#include "app/project_icon.h"
#include "app/project_loader.h"
#include "graphics/bmp_codec.h"
#include "graphics/image_primitives.h"
#include "graphics/image_record.h"
#include "graphics/logo_image.h"
#include "lang/container_lookup.h"
#include "lang/project_file_writer.h"
#include "project_world.h"
#include "values/pools.h"

namespace lx::testing {
namespace {

class ProjectImages : public ProjectTest {
 protected:
  void buildSystemObjects() override {
    registerImagePrimitives(mainObject()->procedures());
    installPictureFiles();
    // What the test before loaded is no image of this run's project.
    forgetLoadedProjectImages();
  }

  // A bitmap in the program folder: `colour` with a hot spot at the centre.
  void writeBitmap(const std::string& name, int width, int height, Rgb colour) {
    tLogoPicture picture(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) picture.setPixel(x, y, (x + y) % 3 ? colour : 0);
    std::ofstream(file(name), std::ios::binary) << writeBmp(picture);
  }

  std::vector<RawChunk> imageChunks(const std::string& name) {
    std::ifstream in(file(name), std::ios::binary);
    return readImageChunks(in, ckProjectFile);
  }
};

TEST_F(ProjectImages, PicturesComeBackFromASavedProjectByteForByte) {
  writeBitmap("red.bmp", 6, 4, 0xFF0000);
  writeBitmap("blue.bmp", 3, 5, 0x0000FF);
  run("make \"red loadimage \"red.bmp");
  run("make \"both (image :red sethotspot loadimage \"blue.bmp [1 1])");
  run("setplist \"pictures (list \"one :red \"two [plain] \"three (list 1 :both :red))");
  run("save \"pictures.lxp");
  const std::vector<RawChunk> saved = imageChunks("pictures.lxp");
  EXPECT_EQ(saved.size(), 2u);  // the red image once, however often it is held

  restart();
  run("loadproject \"pictures.lxp");
  run("make \"again plist \"pictures");
  run("print (item 2 :again) = loadimage \"red.bmp");
  run("print (item 2 :again) = :red");
  run("print item 4 :again");
  run("print count item 2 item 6 :again");
  run("print hotspot item 2 item 2 item 6 :again");
  EXPECT_EQ(take(), (std::vector<std::string>{"true", "true", "plain", "2", "1 1"}));
  run("save \"again.lxp");
  EXPECT_EQ(imageChunks("again.lxp"), saved);
}

// An image file of two frames, red and blue, each one cell.
TEST_F(ProjectImages, AFrameSuffixLoadsOneFrameOfAFileFoundLikeAnyOther) {
  writeBitmap("red.bmp", 6, 4, 0xFF0000);
  writeBitmap("blue.bmp", 3, 5, 0x0000FF);
  run("make \"two (image \"red.bmp \"blue.bmp)");
  {
    std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
    const Value two = mainObject()->globals().variable(codeOf("two"))->value;
    appendImageChunk(io, writeImageRecord(*asImage(two)), std::nullopt);
    std::ofstream(file("two.lgf"), std::ios::binary) << io.str();
  }
  run("print imagesize loadimage \"two:2.lgf");
  run("print count loadimage \"two:2.lgf");
  run("print count loadimage \"two");
  run("print count loadimagelist [red.bmp two]");
  EXPECT_EQ(take(), (std::vector<std::string>{"3 5", "1", "2", "2"}));
  EXPECT_EQ(errorOf("print loadimage \"two:3.lgf"), erBadStructure);
  EXPECT_EQ(errorOf("print loadimage \"red.lgf"), erNoEmbeddedFilePlugin);
  EXPECT_EQ(errorOf("print loadimage \"red:1.png"), erNoEmbeddedFilePlugin);
}

TEST_F(ProjectImages, ImageReferencesOutOfRangeAreErrors) {
  run("print imagesize .loadimage 0");
  EXPECT_EQ(take(), (std::vector<std::string>{"25 25"}));
  EXPECT_EQ(errorOf("print .loadimage 1"), erMinMax);
}

// A project with a main window whose `icon` variable may hold a picture.
class ProjectIcons : public ProjectImages {
 protected:
  void buildSystemObjects() override {
    ProjectImages::buildSystemObjects();
    run("new \"main [name window]");
    setMainWindowObject(object("window"));
  }

  std::optional<std::string> icon(const std::string& name) {
    std::ifstream in(file(name), std::ios::binary);
    return readIcon(in);
  }
};

TEST_F(ProjectIcons, TheWindowsIconIsSavedKeptAndSavedAgain) {
  writeBitmap("red.bmp", 6, 4, 0xFF0000);
  run("save \"none.lxp");
  EXPECT_FALSE(icon("none.lxp"));
  run("ask \"window [make \"icon loadimage \"red.bmp]");
  run("save \"with.lxp");
  const std::optional<std::string> saved = icon("with.lxp");
  ASSERT_TRUE(saved);
  const std::unique_ptr<tLogoPicture> read = readBmp(*saved);
  EXPECT_EQ(read->width(), 6);
  EXPECT_EQ(read->pixel(1, 0), 0xFF0000u);

  // The loaded project sets the variable again; once it is erased, the
  // icon the project came with is written back as it came.
  restart();
  run("loadproject \"with.lxp");
  run("save \"again.lxp");
  EXPECT_EQ(icon("again.lxp"), saved);
  run("erase \"icon");
  EXPECT_FALSE(mainWindowIcon());
  run("save \"kept.lxp");
  EXPECT_EQ(icon("kept.lxp"), saved);
  // Anything but an image in the variable drops the icon.
  run("ask \"window [make \"icon []]");
  run("save \"dropped.lxp");
  EXPECT_FALSE(icon("dropped.lxp"));
}

}  // namespace
}  // namespace lx::testing
