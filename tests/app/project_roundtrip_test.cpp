// Saving a world and loading it into a fresh one: the reloaded world saves
// to the same text again, its objects keep their numbers, and what they do
// is what they did.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "app/project_files.h"
#include "app/project_loader.h"
#include "app/project_text_writer.h"
#include "interp/scheduler.h"
#include "lang/container_lookup.h"
#include "lang/container_writer.h"
#include "lang/project_file_writer.h"
#include "project_world.h"

namespace lx::testing {
namespace {

// The text without its header line, which holds the date.
std::string withoutHeader(const std::string& text) {
  return text.substr(text.find("\r\n"));
}

std::map<std::string, int32_t> numbersByName() {
  std::map<std::string, int32_t> numbers;
  for (tmultiobject* object = firstObject(); object; object = object->identity().next())
    if (object->identity().saveNumber()) numbers[object->name()] = object->identity().saveNumber();
  return numbers;
}

class ProjectRoundTrip : public ProjectTest {
 protected:
  void buildSampleWorld() {
    run("newclass [] \"animal [common'legs 4 own'sound |...| "
        "define'speak [[] [(print myname \"says sound)]]]");
    run("newclass \"animal \"dog [own'sound woof setting'onLoad [print [dog loaded]]]");
    run("newclass [] \"pet [define'pat [[times] [repeat :times [print \"|purr purr|]] [print \"done]]]");
    run("new \"dog [name rex define'odd [[x] [print \"|a b|] [print [\\[ \\] \\| ; \"q]] [output :x]]]");
    run("new \"animal [name generic sound [[a b] \"c]]");
    run("ask \"rex [addbehaviour \"pet]");
    run("ask \"rex [setevent \"onClick [print \"|clicked!|]]");
    run("define \"twice [[n] [output 2 * :n]]");
    run("make \"score 42 make \"greeting \"|hello world| make \"items [1 [2 3] x]");
    run("pprop \"colours \"sky \"blue pprop \"colours \"grass [green 2]");
  }

  std::string saveText(bool numbered = true) {
    ProjectSave save;
    save.numbered = numbered;
    save.filePath = "sample.lxp";
    InterpreterLockScope locked;
    return writeProjectText(save);
  }

  void reloadFresh(const std::string& text) {
    restart();
    {
      InterpreterLockScope locked;
      ProjectLoad load;
      load.text = text;
      loadProjectText(load);
    }
    // The onLoad handlers run as processes: let them end before the test
    // looks at the world.
    logo->waitForProcesses();
  }
};

TEST_F(ProjectRoundTrip, TheReloadedWorldSavesToTheSameTextWithTheSameNumbers) {
  buildSampleWorld();
  const std::string first = saveText();
  const auto numbers = numbersByName();
  EXPECT_EQ(numbers.size(), 5u);
  reloadFresh(first);
  take();
  const std::string second = saveText();
  EXPECT_EQ(withoutHeader(second), withoutHeader(first)) << first;
  EXPECT_EQ(numbersByName(), numbers);
}

TEST_F(ProjectRoundTrip, ReloadedObjectsBehaveAsBefore) {
  buildSampleWorld();
  const std::string text = saveText();
  reloadFresh(text);
  take();
  run("ask \"rex [speak pat 2 print odd 7 runevent \"onClick]");
  EXPECT_EQ(take(), (std::vector<std::string>{"rex says woof", "purr purr", "purr purr", "done", "a b",
                                              "[ ] | ; \"q", "7", "clicked!"}));
  run("ask \"generic [speak] print ask \"rex [legs] print twice :score print :greeting show :items");
  run("print gprop \"colours \"grass");
  EXPECT_EQ(take(),
            (std::vector<std::string>{"generic says [a b] \"c", "4", "84", "hello world", "green 2"}));
}

TEST_F(ProjectRoundTrip, PlainTextSavesNameObjectsAndReloadToo) {
  buildSampleWorld();
  const std::string text = saveText(false);
  EXPECT_EQ(text.find("#1"), std::string::npos);
  EXPECT_NE(text.find(".new. \"dog [name rex"), std::string::npos) << text;
  reloadFresh(text);
  EXPECT_EQ(withoutHeader(saveText(false)), withoutHeader(text));
}

TEST_F(ProjectRoundTrip, TheSavedTextHasTheDocumentedForms) {
  buildSampleWorld();
  const std::string text = saveText();
  EXPECT_EQ(text.rfind("; name: \"sample.lxp\"  version: \"", 0), 0u) << text;
  EXPECT_NE(text.find("\r\nnewclass \"main \"animal [\r\n\tcommon'legs 4\r\n\tsound ...\r\n"
                      "\tdefine'speak |to speak\xB6 ( print myname \"says sound )\xB6"
                      "end|\r\n\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\r\nmain'.new. \"#2 [132 rex\r\n\tsound woof\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\tevent'onClick [print \"clicked!]\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n#4'.addbehaviour \"#3\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nmake \"score 42\r\nmake \"greeting \"|hello world|\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n\r\nsetplist \"colours [sky blue grass [green 2]]\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nto twice :n\r\n"), std::string::npos);
}

TEST_F(ProjectRoundTrip, AnEnglishContainerIsLgf04WithoutALanguageChunk) {
  buildSampleWorld();
  run("save \"sample");
  std::ifstream in(file("sample.LXP"), std::ios::binary);
  ASSERT_TRUE(in);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes.substr(0, 5), "LGF04");
  std::istringstream stream(bytes);
  EXPECT_EQ(readLanguage(stream), "");
  restart();
  run("loadproject \"sample");
  logo->waitForProcesses();
  take();
  run("ask \"rex [speak]");
  EXPECT_EQ(take(), std::vector<std::string>{"rex says woof"});
}

TEST_F(ProjectRoundTrip, ImagesOfALoadedContainerAreSavedAgain) {
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  writeEmptyContainer(io, 4);
  appendImageChunk(io, std::string(40, 'p'), 1);
  appendTextChunk(io, "make \"v 1\r\n", std::nullopt);
  appendImageChunk(io, "second", std::nullopt);
  std::ofstream(file("pictures.lxp"), std::ios::binary) << io.str();
  run("load \"pictures save \"copy");
  std::ifstream copy(file("copy.LXP"), std::ios::binary);
  const auto images = readImageChunks(copy, ckProjectFile);
  std::istringstream original(io.str());
  EXPECT_EQ(images, readImageChunks(original, ckProjectFile));
  EXPECT_EQ(images.size(), 2u);
}

TEST_F(ProjectRoundTrip, PlainTextFilesAndTheSaveList) {
  buildSampleWorld();
  run("(save \"part.lxt [rex :score])");
  std::ifstream in(file("part.lxt"), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(text.find(".new. \"dog [name rex"), std::string::npos) << text;
  EXPECT_EQ(text.find("generic"), std::string::npos) << text;
  EXPECT_NE(text.find("make \"score 42"), std::string::npos) << text;
  EXPECT_EQ(text.find("make \"greeting"), std::string::npos) << text;
}

}  // namespace
}  // namespace lx::testing
