// Opening project files by name: the program's "*" resources, the entries
// of a loaded package (found by their file part, whatever folder the name
// gives), files beside the program when the package lacks them, and the
// error a missing file gives in each kind of run.
#include "app/named_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/package.h"
#include "app/package_writer.h"
#include "core/name_codes.h"
#include "project_world.h"

namespace lx::testing {
namespace {

class NamedFiles : public ProjectTest {
 protected:
  void TearDown() override {
    unloadPackageDirectory();
    setStandAloneRuntime(false);
    ProjectTest::TearDown();
  }
  void usePackage(const std::vector<PackageSource>& entries) {
    std::ofstream(file("runtime"), std::ios::binary) << "program bytes" << buildPackage(entries);
    loadPackageDirectory(file("runtime").string(), true);
  }
};

TEST_F(NamedFiles, ResourcesAreDecodedAndAMissingOneIsError58) {
  const std::unique_ptr<std::string> library = builtinResourceText("*Langapp.bin");
  ASSERT_NE(library, nullptr);
  // The library names its words by dictionary references ("·section·key").
  const std::string mark(1, kDictionaryMark);
  EXPECT_NE(library->find(mark + "class" + mark + "main'" + mark + "define \"regularshape"),
            std::string::npos);
  EXPECT_EQ(builtinResourceText("*nothing.bin"), nullptr);
  EXPECT_EQ(builtinResourceText("Langapp.bin"), nullptr);
  EXPECT_EQ(errorOf("load \"|*nothing.bin|"), erFileName);
}

TEST_F(NamedFiles, PackedEntriesComeFirstThenFilesBesideTheProgram) {
  std::ofstream(file("extra.lxt")) << "print [from the disk]\r\n";
  std::ofstream(file("beside.lxt")) << "print [beside]\r\n";
  usePackage({{"?project.lxp", "print [the packed project]\r\n"}, {"extra.lxt", "print [from the package]\r\n"}});
  run("load \"|?PROJECT.LXP|");
  run("load \"extra.lxt");
  run("load \"|some\\folder\\extra.lxt|");
  run("load \"beside.lxt");
  EXPECT_EQ(take(), (std::vector<std::string>{"the packed project", "from the package", "from the package",
                                              "beside"}));
}

TEST_F(NamedFiles, AMissingFileIsError186ForTheStandAloneRuntimeAnd187Otherwise) {
  usePackage({{"?project.lxp", "print 1\r\n"}});
  EXPECT_EQ(errorOf("load \"nowhere.lxt"), erNoEmbeddedFilePlugin);
  setStandAloneRuntime(true);
  EXPECT_EQ(errorOf("load \"nowhere.lxt"), erNoEmbeddedFileEXE);
  // The entry's name needs its prefix.
  EXPECT_EQ(errorOf("load \"project.lxp"), erNoEmbeddedFileEXE);
}

TEST_F(NamedFiles, TheCommandLinesProjectIsOpenedAsItIsNamed) {
  // Without an extension, any other name would get the projects' default one.
  const std::filesystem::path elsewhere = file("sub") / "played";
  std::filesystem::create_directories(elsewhere.parent_path());
  std::ofstream(elsewhere) << "print [played]\r\n";
  setCommandLineProject(elsewhere);
  run("load \"|" + elsewhere.string() + "|");
  setCommandLineProject({});
  EXPECT_EQ(take(), std::vector<std::string>{"played"});
  EXPECT_EQ(errorOf("load \"|" + elsewhere.string() + "|"), erNoEmbeddedFilePlugin);
}

}  // namespace
}  // namespace lx::testing
