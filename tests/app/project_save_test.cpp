// Saving project files: the options that are recorded with the project and
// act on the file, failures to create it, and the loader's echo.
#include <gtest/gtest.h>

#include <fstream>

#include "app/project_loader.h"
#include "interp/scheduler.h"
#include "prims/main_output.h"
#include "prims/output_destination.h"
#include "project_world.h"

namespace lx::testing {
namespace {

class Collected : public OutputDestination {
 public:
  void write(std::string_view text) override { written += text; }
  std::string written;
};

std::string contentsOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

using ProjectSaving = ProjectTest;

TEST_F(ProjectSaving, OptionsAreRecordedAndActOnTheFile) {
  EXPECT_EQ(errorOf(".setsaveoptions [backup sideways]"), erBadValue);
  run(".setsaveoptions [backup readonly]");
  run("make \"v 1 save \"kept.lxt");
  const std::string first = contentsOf(file("kept.lxt"));
  EXPECT_NE(first.find("\r\n.setsaveoptions [backup readonly]\r\n\r\n"), std::string::npos) << first;
  const auto perms = std::filesystem::status(file("kept.lxt")).permissions();
  EXPECT_EQ(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
  // The next save moves the read-only file aside and writes anew.
  run("make \"v 2 save \"kept.lxt");
  EXPECT_NE(contentsOf(file("kept.lxt.bak")).find("make \"v 1"), std::string::npos);
  EXPECT_NE(contentsOf(file("kept.lxt")).find("make \"v 2"), std::string::npos);
  // Loading the text records the options again.
  restart();
  run("load \"kept.lxt save \"again.lxt");
  EXPECT_NE(contentsOf(file("again.lxt")).find(".setsaveoptions [backup readonly]"), std::string::npos);
}

// Entries marked not to be saved are left out of the text; everything else
// is written, and the marks are per entry.
TEST_F(ProjectSaving, EntriesMarkedNotSavedAreLeftOut) {
  run(R"(make "secret 1 make "kept 2 make "other 3
define "helper [[] [output "help]]
define "worker [[] [output "work]]
setevent "onClick [print "clicked]
.donotsavevar "secret
.donotsaveproc "helper
.donotsaveevent "onClick
save "marked.lxt)");
  const std::string text = contentsOf(file("marked.lxt"));
  for (const char* left : {"secret", "helper", "onClick", "clicked"})
    EXPECT_EQ(text.find(left), std::string::npos) << left << " was saved:\n" << text;
  for (const char* kept : {"\"kept 2", "\"other 3", "worker"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << " was not saved:\n" << text;
  // A handler that does not exist cannot be marked.
  EXPECT_EQ(errorOf(".donotsaveevent \"onDoubleClick"), erUnDefEvenet);
  // .donotsave marks any kind of entry; .donotsaveallvars every variable.
  run(".donotsave [worker kept] save \"again.lxt");
  const std::string again = contentsOf(file("again.lxt"));
  EXPECT_EQ(again.find("worker"), std::string::npos) << again;
  EXPECT_EQ(again.find("\"kept"), std::string::npos) << again;
  EXPECT_NE(again.find("\"other 3"), std::string::npos) << again;
  run(".donotsaveallvars save \"last.lxt");
  EXPECT_EQ(contentsOf(file("last.lxt")).find("\"other"), std::string::npos);
}

TEST_F(ProjectSaving, AFileThatCannotBeCreatedIsError185) {
  EXPECT_EQ(errorOf("save \"|/nonexistent-folder-of-lx/x.lxp|"), erFileCreate);
  EXPECT_EQ(errorOf("save [a b]"), erExpectWord);
}

TEST_F(ProjectSaving, SaveRecordsTheFileNameAndDotSaveDoesNot) {
  run(".save \"quiet.lxt print :fileName");
  EXPECT_EQ(take(), std::vector<std::string>{""});
  run("save \"loud.lxt print :fileName");
  const std::vector<std::string> printed = take();
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_NE(printed[0].find("loud.lxt"), std::string::npos);
}

TEST_F(ProjectSaving, VerboseLoadsEchoEveryInstructionCut) {
  auto echo = std::make_shared<Collected>();
  setStandardDestination(echo);
  run("make \"verbose \"true");
  ProjectLoad load;
  load.text = "make \"a 1\r\n\r\nmake \"b \"" + std::string(200, 'x') + "\r\n";
  {
    InterpreterLockScope locked;  // onLoad processes share the values
    loadProjectText(load);
  }
  setStandardDestination(nullptr);
  EXPECT_EQ(echo->written, "make \"a 1\r\nmake \"b \"" + std::string(151, 'x') + "...\r\n");
}

}  // namespace
}  // namespace lx::testing
