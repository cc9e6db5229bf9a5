#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/package.h"
#include "app/package_directory.h"
#include "app/package_maker.h"
#include "app/package_writer.h"
#include "app/start_mode.h"
#include "lang/project_file_reader.h"

namespace lx {
namespace {

std::span<const uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// A file holding `prefix` (the program) followed by a package.
struct PackedFile {
  std::filesystem::path path;
  explicit PackedFile(const std::string& contents, const std::string& name = "packed.bin")
      : path(std::filesystem::temp_directory_path() / ("lx_package_test_" + name)) {
    std::ofstream(path, std::ios::binary) << contents;
  }
  ~PackedFile() {
    unloadPackageDirectory();
    std::filesystem::remove(path);
  }
};

std::string exampleProgram() {
  return std::string(1000, 'R') +
         buildPackage({{"?project.lxp", std::string(7870, 'P')}, {"*params.txt", packageParameterRecord()}});
}

TEST(PackageDirectory, ExampleLayoutPutsTheProjectRightAfterTheProgram) {
  const std::string file = exampleProgram();
  EXPECT_EQ(file.size(), 1000u + 7930u);
  const PackageDirectory directory = PackageDirectory::parse(bytesOf(file));
  ASSERT_EQ(directory.entries().size(), 2u);
  const PackageEntry& project = directory.entries()[0];
  EXPECT_EQ(project.offset, file.size() - 33 - 7885 - 12);
  EXPECT_EQ(project.offset, 1000u);
  EXPECT_EQ(project.size, 7870u);
  EXPECT_EQ(directory.entries()[1].offset, 1000u + 7870u);
  EXPECT_EQ(directory.start(), 1000u);
}

TEST(PackageDirectory, LookupIgnoresCaseButNeedsThePrefix) {
  const std::string file = exampleProgram();
  const PackageDirectory directory = PackageDirectory::parse(bytesOf(file));
  ASSERT_NE(directory.find("?PROJECT.LXP"), nullptr);
  EXPECT_EQ(directory.find("?PROJECT.LXP")->size, 7870u);
  EXPECT_EQ(directory.find("project.lxp"), nullptr);
  EXPECT_EQ(directory.find("?project.lx"), nullptr);
}

TEST(PackageDirectory, EmptyDirectoryIsValid) {
  const std::string file = "program" + buildPackage({});
  const PackageDirectory directory = PackageDirectory::parse(bytesOf(file));
  EXPECT_TRUE(directory.entries().empty());
  EXPECT_EQ(directory.start(), 7u);
  EXPECT_EQ(directory.find("?project.lxp"), nullptr);
}

TEST(PackageDirectory, DamagedTrailersAndDirectoriesAreRefused) {
  const std::string good = exampleProgram();
  EXPECT_THROW(PackageDirectory::parse(bytesOf("")), ePackageMissing);
  EXPECT_THROW(PackageDirectory::parse(bytesOf("PLXA")), ePackageMissing);
  EXPECT_THROW(PackageDirectory::parse(bytesOf(good.substr(0, good.size() - 1))), ePackageMissing);

  auto withWord = [&](size_t fromEnd, uint32_t value) {
    std::string file = good;
    for (int i = 0; i < 4; ++i) file[file.size() - fromEnd + i] = static_cast<char>(value >> (8 * i));
    return file;
  };
  // The directory size (8 bytes from the end) and the entry count (just
  // before the 33-byte directory).
  EXPECT_THROW(PackageDirectory::parse(bytesOf(withWord(8, 0xFFFFFFF0u))), ePackageCorrupt);
  EXPECT_THROW(PackageDirectory::parse(bytesOf(withWord(8, 32))), ePackageCorrupt);
  EXPECT_THROW(PackageDirectory::parse(bytesOf(withWord(8 + 33 + 4, 0x7FFFFFFFu))), ePackageCorrupt);
  EXPECT_THROW(PackageDirectory::parse(bytesOf(withWord(8 + 33 + 4, 3))), ePackageCorrupt);
  // The first entry's size claims more than the file holds.
  const size_t firstSize = 8 + 33 - std::string("?project.lxp").size() - 1;
  EXPECT_THROW(PackageDirectory::parse(bytesOf(withWord(firstSize, 0x7FFFFFFFu))), ePackageCorrupt);
}

TEST(PackageDirectory, EveryByteFlipStaysInsideTheFile) {
  const std::string good = "xy" + buildPackage({{"?a", "abc"}, {"*b", ""}, {"c", "defgh"}});
  for (size_t at = 0; at < good.size(); ++at) {
    for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
      std::string file = good;
      file[at] = static_cast<char>(file[at] ^ flip);
      try {
        const PackageDirectory directory = PackageDirectory::parse(bytesOf(file));
        for (const PackageEntry& entry : directory.entries()) {
          EXPECT_LE(entry.offset + entry.size, file.size()) << "flip at " << at;
        }
      } catch (const std::runtime_error&) {
      }
    }
  }
}

TEST(Package, OpensEntriesAsStreamsOverTheMapping) {
  const PackedFile file("runtime" + buildPackage({{"?project.lxp", "project bytes"},
                                                  {"*params.txt", packageParameterRecord(true)}}));
  loadPackageDirectory(file.path.string(), true);
  EXPECT_TRUE(packageDirectoryLoaded());
  auto stream = openPackageEntry("?Project.LXP");
  std::string text;
  std::getline(*stream, text);
  EXPECT_EQ(text, "project bytes");
  stream->clear();
  stream->seekg(8);
  std::getline(*stream, text);
  EXPECT_EQ(text, "bytes");
  EXPECT_THROW(openPackageEntry("project.lxp"), eExeStreamNotFound);
  EXPECT_TRUE(readPackageParameters().voice);
  EXPECT_FALSE(readPackageParameters().secondFlag);
}

TEST(Package, FatalFailuresCarryTheirMessages) {
  const PackedFile plain("a program without a package", "plain.bin");
  try {
    loadPackageDirectory(plain.path.string(), true);
    FAIL() << "a file without a package was accepted";
  } catch (const eFatalStartup& failure) {
    EXPECT_STREQ(failure.what(), "FATAL: The EXE file is corrupt");
  }
  EXPECT_TRUE(packageDirectoryLoaded());
  EXPECT_THROW(openPackageEntry("?project.lxp"), eExeStreamNotFound);

  const std::string missing = "/nonexistent/lx_package";
  try {
    loadPackageDirectory(missing, true);
    FAIL() << "a missing file was accepted";
  } catch (const eFatalStartup& failure) {
    EXPECT_EQ(std::string(failure.what()), "FATAL: Cannot access files (exe stream error 1 " + missing + ")");
  }
  EXPECT_THROW(loadPackageDirectory(plain.path.string(), false), ePackageMissing);
}

TEST(PackageMaker, WrapsPlainTextAndReplacesAnEarlierPackage) {
  const PackedFile runtime("#!runtime bytes", "runtime.bin");
  const PackedFile project("print 1\r\n", "project.lxt");
  const auto output = std::filesystem::temp_directory_path() / "lx_package_test_out.bin";
  makeStandAloneProgram({runtime.path.string(), project.path.string(), output.string()});
  // Packing the packed program again must not stack a second package.
  makeStandAloneProgram({output.string(), project.path.string(), output.string()});

  std::ifstream in(output, std::ios::binary);
  std::stringstream whole;
  whole << in.rdbuf();
  const std::string bytes = whole.str();
  const PackageDirectory directory = PackageDirectory::parse(bytesOf(bytes));
  EXPECT_EQ(bytes.substr(0, directory.start()), "#!runtime bytes");
  const PackageEntry* entry = directory.find(kProjectEntryName);
  ASSERT_NE(entry, nullptr);
  std::istringstream container(bytes.substr(entry->offset, entry->size));
  const ProjectFileContents contents = readProjectFile(container);
  EXPECT_TRUE(contents.isContainer);
  EXPECT_EQ(contents.text, "print 1\r\n");
  EXPECT_EQ(bytes.substr(entry->offset, 5), "LGF04");
  EXPECT_NE(std::filesystem::status(output).permissions() & std::filesystem::perms::owner_exec,
            std::filesystem::perms::none);
  std::filesystem::remove(output);
}

TEST(StartMode, ParametersChooseTheMode) {
  EXPECT_EQ(decideStartMode({}, "").mode, StartMode::StandAlone);
  EXPECT_EQ(decideStartMode({"only one"}, "").mode, StartMode::StandAlone);
  const StartDecision package = decideStartMode({"1234", "game.pkg"}, "IIP01");
  EXPECT_EQ(package.mode, StartMode::PluginPackage);
  EXPECT_EQ(package.hostWindow, 1234);
  EXPECT_EQ(package.file, "game.pkg");
  EXPECT_EQ(decideStartMode({"1234", "game.lxp"}, "LGF05").mode, StartMode::PluginProject);

  const StartDecision newer = decideStartMode({"1234", "game.pkg"}, "IIP02");
  EXPECT_EQ(newer.mode, StartMode::Refused);
  EXPECT_EQ(newer.refusalCaption, "Plugin error");
  EXPECT_EQ(newer.refusalText,
            "The file seems to need a newer version of Lumaxis Logo Plugin than you already have");
  EXPECT_EQ(decideStartMode({"window", "game.lxp"}, "").mode, StartMode::Refused);
  EXPECT_EQ(decideStartMode({"12", ""}, "").mode, StartMode::Refused);
  EXPECT_TRUE(decideStartMode({"12", ""}, "").refusalText.empty());
}

}  // namespace
}  // namespace lx
