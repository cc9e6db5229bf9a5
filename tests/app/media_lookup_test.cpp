// Finding media files: a sound in the media folder of the search paths, an
// entry of the package copied out once to a temporary file, and the errors
// of a file found nowhere.
#include "app/media_lookup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/file_kind.h"
#include "app/named_file.h"
#include "app/package.h"
#include "app/package_writer.h"
#include "project_world.h"

namespace lx::testing {
namespace {

namespace fs = std::filesystem;

class MediaLookup : public ProjectTest {
 protected:
  void TearDown() override {
    removeMediaCopies();
    unloadPackageDirectory();
    setStandAloneRuntime(false);
    ProjectTest::TearDown();
  }
  void usePackage(const std::vector<PackageSource>& entries) {
    std::ofstream(file("runtime"), std::ios::binary) << "program bytes" << buildPackage(entries);
    loadPackageDirectory(file("runtime").string(), true);
  }
  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static errorConst errorLookingUp(const std::string& name) {
    try {
      lookUpMediaFile(name);
    } catch (const eLogoException& error) {
      return error.code;
    }
    return erUnexpected;
  }
};

// The search folders find the file and its path is what plays, not the
// bare name looked for again beside the program.
TEST_F(MediaLookup, ASoundInTheMediaFolderIsPlayedFromWhereItWasFound) {
  const fs::path media = file(subfolderName("media"));
  fs::create_directories(media);
  std::ofstream(media / "ding.wav", std::ios::binary) << "RIFF ding";
  const fs::path found = lookUpMediaFile("ding");
  EXPECT_EQ(fs::canonical(found), fs::canonical(media / "ding.wav"));
  EXPECT_EQ(contents(found), "RIFF ding");
}

TEST_F(MediaLookup, APackedSoundIsCopiedOutOnceAndTheCopyRemoved) {
  usePackage({{"?project.lxp", "print 1\r\n"}, {"tune.wav", "RIFF packed tune"}});
  const fs::path copy = lookUpMediaFile("some\\folder\\TUNE.wav");
  EXPECT_EQ(copy.filename().string().substr(0, 3), "Lxm");
  EXPECT_EQ(copy.extension(), ".wav");
  EXPECT_EQ(contents(copy), "RIFF packed tune");
  EXPECT_EQ(lookUpMediaFile("tune.wav"), copy);
  removeMediaCopies();
  EXPECT_FALSE(fs::exists(copy));
}

TEST_F(MediaLookup, ASoundFoundNowhereIsError187OrForTheStandAloneRuntime186) {
  usePackage({{"?project.lxp", "print 1\r\n"}});
  EXPECT_EQ(errorLookingUp("nowhere.wav"), erNoEmbeddedFilePlugin);
  setStandAloneRuntime(true);
  EXPECT_EQ(errorLookingUp("nowhere.wav"), erNoEmbeddedFileEXE);
}

}  // namespace
}  // namespace lx::testing
