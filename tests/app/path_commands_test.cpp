// What setpath and path do: kinds named by words, entries normalised when
// they are stored, defaults restored, and the folders path reports.
#include "app/path_commands.h"

#include <gtest/gtest.h>

#include "app/search_paths.h"
#include "core/logo_exception.h"
#include "path_test_folder.h"
#include "values/pools.h"
#include "core/value.h"

namespace lx {
namespace {

using Entries = std::vector<std::string>;
using PathCommands = PathTestFolder;

Value word(const char* text) {
  return makeWord(text);
}

TEST_F(PathCommands, StoredEntriesGetTheirDelimiterAndEmptyOnesTheProgramRoot) {
  setPathOfKind(word("image"), {"pics", "", "%", "$", "$art", "%art\\", "/srv/pictures/", "c:"});
  EXPECT_EQ(pathEntriesOfKind(word("image")),
            (Entries{"pics\\", "%", "%", "$", "$art\\", "%art\\", "/srv/pictures/", "c:\\"}));
  // An empty list gives the defaults back.
  setPathOfKind(word("image"), {});
  EXPECT_EQ(pathEntriesOfKind(word("image")), (Entries{"$images\\", "%images\\", "$", "%"}));
}

TEST_F(PathCommands, OneInputSetsTheProjectsDirectories) {
  setPathOfProjects({"%mine"});
  EXPECT_EQ(pathEntriesOfKind(word("screen")), (Entries{"%mine\\"}));
  EXPECT_EQ(pathEntriesOfKind(word("image")), (Entries{"$images\\", "%images\\", "$", "%"}));
  // Every word of a kind reaches the same list.
  setPathOfKind(word("wave"), {"%sounds"});
  EXPECT_EQ(pathEntriesOfKind(word("sound")), (Entries{"%sounds\\"}));
  EXPECT_EQ(pathEntriesOfKind(word("media")), (Entries{"%sounds\\"}));
}

TEST_F(PathCommands, PathReportsTheFirstFolderThatExists) {
  EXPECT_EQ(pathOfProjects(), full("program/"));
  makeFolder("program/projects");
  EXPECT_EQ(pathOfProjects(), full("program/projects/"));
  useProjectFolder("current");
  EXPECT_EQ(pathOfProjects(), full("current/"));
  EXPECT_EQ(pathOfKind(word("image")), full("current/"));
  makeFolder("program/images");
  EXPECT_EQ(pathOfKind(word("image")), full("program/images/"));
  setPathOfKind(word("image"), {"%art"});
  EXPECT_EQ(pathOfKind(word("image")), full("program/art/"));
}

TEST_F(PathCommands, AWordThatNamesNoKindIsError3WithThatWord) {
  for (const Value& bad : {word("pictures"), word(""), Value(makeInt(4))}) {
    try {
      pathOfKind(bad);
      ADD_FAILURE() << "no error for " << bad->printText();
    } catch (const eLogoException& e) {
      EXPECT_EQ(e.code, erDoesNotLike);
      EXPECT_TRUE(e.value == bad);
    }
    EXPECT_THROW(setPathOfKind(bad, {"%x"}), eLogoException);
    EXPECT_THROW(pathEntriesOfKind(bad), eLogoException);
  }
  // The failed setpath changed nothing.
  EXPECT_EQ(pathEntriesOfKind(word("project")), (Entries{"$", "%projects\\", "%"}));
}

}  // namespace
}  // namespace lx
