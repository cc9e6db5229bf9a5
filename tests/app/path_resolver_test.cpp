// Resolving file names: how a name is taken apart at "\", "/" and ":", its
// own root, the default extension, the search order of each kind's folders
// with and without a project folder, names that differ in letter case, and
// names outside ASCII.
#include "app/path_resolver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/search_paths.h"
#include "core/logo_exception.h"
#include "path_test_folder.h"

namespace lx {
namespace {

TEST(FileNameParts, NamesAreTakenApartAtTheLastDelimiter) {
  struct Case {
    const char* name;
    char root;
    const char* folder;
    const char* file;
  };
  const Case cases[] = {
      {"cat", 0, "", "cat"},
      {"$cat", '$', "", "cat"},
      {"%pics\\cat.lgf", '%', "pics\\", "cat.lgf"},
      {"pics\\small\\cat", 0, "pics\\small\\", "cat"},
      {"pics/small/cat", 0, "pics/small/", "cat"},
      {"pics\\small/cat", 0, "pics\\small/", "cat"},
      {"c:cat", 0, "c:", "cat"},
      {"C:\\logo\\cat.LGF", 0, "C:\\logo\\", "cat.LGF"},
      {"/home/ann/cat", 0, "/home/ann/", "cat"},
      {"pics\\", 0, "pics\\", ""},
      {"$", '$', "", ""},
      {"", 0, "", ""},
      {"a$b", 0, "", "a$b"},
  };
  for (const Case& c : cases) {
    const FileNameParts parts = splitFileName(c.name);
    EXPECT_EQ(parts.root, c.root) << c.name;
    EXPECT_EQ(parts.folder, c.folder) << c.name;
    EXPECT_EQ(parts.file, c.file) << c.name;
  }
}

TEST(FileNameParts, DrivesAndRootsMakeANameAbsolute) {
  for (const char* folder : {"C:\\", "c:", "z:\\x\\", "\\\\server\\share\\", "\\logo\\", "/home/"})
    EXPECT_TRUE(hasDrive(folder)) << folder;
  for (const char* folder : {"", "pics\\", "pics/", "1:\\", "ab:", ":"})
    EXPECT_FALSE(hasDrive(folder)) << folder;
}

using PathResolver = PathTestFolder;

TEST_F(PathResolver, TheDefaultExtensionIsAddedOnlyToANameWithoutOne) {
  EXPECT_EQ(resolvePath(fkImage, "cat", rfNone).path.string(), full("program/cat.LGF"));
  EXPECT_EQ(resolvePath(fkImage, "cat.bmp", rfNone).path.string(), full("program/cat.bmp"));
  EXPECT_EQ(resolvePath(fkImage, "cat", rfNoDefaultExtension).path.string(), full("program/cat"));
  EXPECT_EQ(resolvePath(fkMedia, "pics.d\\ding", rfNone).path.string(), full("program/pics.d/ding.WAV"));
  EXPECT_EQ(resolvePath(fkAny, "notes", rfNone).path.string(), full("program/notes"));
  // An empty name is the folder alone.
  EXPECT_EQ(resolvePath(fkProject, "", rfMustExist).path.string(), full("program/"));
}

TEST_F(PathResolver, ASoundWithoutProjectFolderIsFoundInTheProgramsMediaFolder) {
  makeFile("program/media/ding.WAV");
  EXPECT_EQ(resolvePath(fkMedia, "ding", rfMustExist).path.string(), full("program/media/ding.WAV"));
}

TEST_F(PathResolver, AnImageWithItsOwnProjectRootFallsBackToTheProgramFolder) {
  makeFile("program/images/cat.LGF");
  EXPECT_EQ(resolvePath(fkImage, "$cat", rfMustExist).path.string(), full("program/cat.LGF"));
  EXPECT_EQ(resolvePath(fkImage, "%images\\cat", rfMustExist).path.string(), full("program/images/cat.LGF"));
  useProjectFolder("project");
  EXPECT_EQ(resolvePath(fkImage, "$cat", rfMustExist).path.string(), full("project/cat.LGF"));
}

TEST_F(PathResolver, ImagesAreSearchedInTheirKindsOrder) {
  useProjectFolder("project");
  const char* places[] = {"project/images/cat.LGF", "program/images/cat.LGF", "project/cat.LGF",
                          "program/cat.LGF"};
  for (const char* place : places) makeFile(place);
  for (const char* place : places) {
    EXPECT_EQ(resolvePath(fkImage, "cat", rfMustExist).path.string(), full(place));
    std::filesystem::remove(root_ / place);
  }
  // Found nowhere: the first folder that exists.
  EXPECT_EQ(resolvePath(fkImage, "cat", rfMustExist).path.string(), full("project/images/cat.LGF"));
}

TEST_F(PathResolver, WithoutTheFileFlagTheFirstExistingFolderWins) {
  makeFolder("program/media");
  makeFile("program/ding.WAV");
  EXPECT_EQ(resolvePath(fkMedia, "ding", rfNone).path.string(), full("program/media/ding.WAV"));
  EXPECT_EQ(resolvePath(fkMedia, "ding", rfMustExist).path.string(), full("program/ding.WAV"));
}

TEST_F(PathResolver, ProjectRootedEntriesAreSkippedWithoutAProjectFolder) {
  setDirectories(fkText, {"$notes", "$"});
  // Both entries skipped: the program folder serves.
  EXPECT_EQ(resolvePath(fkText, "story", rfMustExist).path.string(), full("program/story.TXT"));
  useProjectFolder("project");
  EXPECT_EQ(resolvePath(fkText, "story", rfMustExist).path.string(), full("project/story.TXT"));
  makeFile("project/notes/story.TXT");
  EXPECT_EQ(resolvePath(fkText, "story", rfMustExist).path.string(), full("project/notes/story.TXT"));
}

TEST_F(PathResolver, WhenNoFolderExistsTheLastOneTriedIsUsed) {
  setDirectories(fkText, {"%a", "%b"});
  EXPECT_EQ(resolvePath(fkText, "story", rfMustExist).path.string(), full("program/b/story.TXT"));
  EXPECT_EQ(resolvePath(fkText, "story", rfNone).path.string(), full("program/b/story.TXT"));
}

TEST_F(PathResolver, AFolderPartIsLookedForUnderEachEntry) {
  makeFile("program/images/animals/cat.LGF");
  for (const char* name : {"animals\\cat", "animals/cat", "animals\\cat.LGF"})
    EXPECT_EQ(resolvePath(fkImage, name, rfMustExist).path.string(), full("program/images/animals/cat.LGF"))
        << name;
}

TEST_F(PathResolver, AbsoluteNamesAreNotSearched) {
  makeFile("program/images/cat.LGF");
  makeFile("elsewhere/cat.LGF");
  const std::string absolute = full("elsewhere/cat");
  EXPECT_EQ(resolvePath(fkImage, absolute, rfMustExist).path.string(), full("elsewhere/cat.LGF"));
  EXPECT_EQ(resolvePath(fkImage, full("missing/cat"), rfMustExist).path.string(), full("missing/cat.LGF"));
  // The same name with backslashes.
  std::string windowsStyle = absolute;
  std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
  EXPECT_EQ(resolvePath(fkImage, windowsStyle, rfMustExist).path.string(), full("elsewhere/cat.LGF"));
}

TEST_F(PathResolver, LetterCaseOfFilesAndFoldersDoesNotMatter) {
  makeFile("program/Media/Ding.wav");
  EXPECT_EQ(resolvePath(fkMedia, "ding", rfMustExist).path.string(), full("program/Media/Ding.wav"));
  EXPECT_EQ(resolvePath(fkMedia, "DING.WAV", rfMustExist).path.string(), full("program/Media/Ding.wav"));
  // An exact name wins over one that differs in case.
  makeFile("program/Media/ding.WAV");
  EXPECT_EQ(resolvePath(fkMedia, "ding", rfMustExist).path.string(), full("program/Media/ding.WAV"));
}

TEST_F(PathResolver, NamesInTheCodePageReachUtf8Files) {
  makeFile(
      "program/images/\xC5\xBE"
      "aba.LGF");  // "žaba" in UTF-8
  const ResolvedPath resolved = resolvePath(fkImage,
                                            "\x9E"
                                            "aba",
                                            rfMustExist);
  EXPECT_EQ(resolved.path.string(), full("program/images/\xC5\xBE"
                                         "aba.LGF"));
  EXPECT_FALSE(resolved.isClipboard);
  // Shown to Logo code as internal text again.
  EXPECT_EQ(resolved.text(), full("program/images/\x9E"
                                  "aba.LGF"));
}

TEST_F(PathResolver, NothingResolvesBeforeTheTableIsBuilt) {
  clearFilePaths();
  for (const char* name : {"cat", "clipboard"}) {
    try {
      resolvePath(fkImage, name, rfNone);
      ADD_FAILURE() << "resolved before start-up: " << name;
    } catch (const eLogoException&) {
      ADD_FAILURE() << "a Logo error instead of the internal fault";
    } catch (const eLogoBase& e) {
      EXPECT_STREQ(e.what(), "Internal error - paths not initialised");
    }
  }
  EXPECT_THROW(directoriesOf(fkImage), eLogoBase);
  EXPECT_THROW(setDirectories(fkImage, {}), eLogoBase);
}

}  // namespace
}  // namespace lx
