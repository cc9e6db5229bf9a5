// The file primitives that only look, and the writer that refuses.
#include <gtest/gtest.h>

#include <fstream>

#include "project_world.h"

namespace lx::testing {
namespace {

using FileQueries = ProjectTest;

TEST_F(FileQueries, FoldersPathsAndWhereAProjectLoadsFrom) {
  std::filesystem::create_directories(file("projects"));
  std::ofstream(file("projects/game.LXP")) << "print 1";
  run("print folder? \"projects print folder? \"nothing print folder? \"|projects/game.LXP|");
  EXPECT_EQ(take(), (std::vector<std::string>{"true", "false", "false"}));
  run("print loadpath \"game print expandfilename \"notes.txt");
  const std::vector<std::string> printed = take();
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(std::filesystem::path(printed[0]), file("projects/game.LXP"));
  EXPECT_EQ(std::filesystem::path(printed[1]), file("notes.txt"));
  EXPECT_EQ(errorOf("print (loadpath \"game \"nokind)"), erDoesNotLike);
}

TEST_F(FileQueries, SavetableRefusesAndSetchangedChangesNothing) {
  EXPECT_EQ(errorOf("savetable \"t"), erNoSave);
  run(".setchanged \"true print .changed?");
  EXPECT_EQ(take(), std::vector<std::string>{"false"});
}

}  // namespace
}  // namespace lx::testing
