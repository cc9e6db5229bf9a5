// Loading project text and files: "#n" names, the values given to the
// loader, errors that stop a load, the start-up call, other languages, and
// damaged or hostile files.
#include "app/project_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/project_reset.h"
#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "lang/container_stream.h"
#include "lang/container_writer.h"
#include "lang/project_file_writer.h"
#include "objects/property_declaration.h"
#include "project_world.h"
#include "values/reader.h"

namespace lx::testing {
namespace {

constexpr int kKeyMenuProperty = 176;

class ProjectLoader : public ProjectTest {
 protected:
  void load(const std::string& text, Value values = nullptr) {
    ProjectLoad request;
    request.text = text;
    request.propertyValues = std::move(values);
    {
      InterpreterLockScope locked;  // onLoad processes share the values
      loadProjectText(request);
    }
  }
  errorConst loadError(const std::string& text) {
    try {
      load(text);
    } catch (const eLogoException& e) {
      return e.code;
    }
    return erUnexpected;
  }
  void writeBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
  std::string container(std::string_view language, const std::string& text) {
    std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
    const std::streamoff start = beginProjectFile(io, language);
    io << text;
    endTextChunk(io, start, false);
    return io.str();
  }
};

TEST_F(ProjectLoader, NumbersNameTheObjectsThisLoadMade) {
  run("newclass [] \"before []");
  load(
      ".new. \"main [132 a]\n\n#1'.new. \"main [132 b]\n\nnewclass \"#1 \"c []\n\nprint (list #1'myname "
      "#2'myname #3'myname)\n");
  EXPECT_EQ(take(), std::vector<std::string>{"a b c"});
  EXPECT_EQ(object("c")->firstParent(), object("a"));
  // Past the objects of the load: error 133.
  EXPECT_EQ(loadError("print #4'myname"), erMisspaced);
}

TEST_F(ProjectLoader, AnErrorStopsTheLoadAndKeepsWhatWasMade) {
  EXPECT_EQ(loadError("new \"main [name first]\n\nnosuchcommand\n\nnew \"main [name second]\n"),
            erDoNotKnowHowTo);
  EXPECT_NE(object("first"), nullptr);
  EXPECT_EQ(object("second"), nullptr);
  // A definition whose title is no title is error 123... and a bad byte 60.
  EXPECT_EQ(loadError("print 1\x01\n"), erLumaxisProject);
}

TEST_F(ProjectLoader, TheStartupCallIsLeftForTheStartup) {
  load("print 1\n\nmain'launch [startup]\n\nmain'launch [startup] print 9\n\nprint 2\n");
  logo->waitForProcesses();
  // The first call is left for the start-up; the second had more than one
  // character after it and was run: it launched a process, which failed on
  // its own (there is no such procedure) while the load went on.
  EXPECT_EQ(take(), (std::vector<std::string>{"1", "9", "2"}));
  EXPECT_TRUE(allThreads().names().empty());
}

TEST_F(ProjectLoader, GivenValuesGoToTheObjectsThatTakeThem) {
  load("new \"main [name one]\n\nnew \"main [name two]\n", readList("KEYMENU [a b]"));
  EXPECT_EQ(readProperty(*object("one"), kKeyMenuProperty)->showText(), "[a b]");
  EXPECT_NE(readProperty(*object("two"), kKeyMenuProperty)->showText(), "[a b]");
  try {
    load("print 1", readList("[not a word] 1"));
    ADD_FAILURE() << "a list as a name was taken";
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erBadStructure);
  }
}

TEST_F(ProjectLoader, OnLoadRunsForEveryObjectOfTheOutermostLoad) {
  load("newclass [] \"k [setting'onLoad [print myname]]\n\nnew \"k [name x]\n\nnew \"k [name y]\n");
  logo->waitForProcesses();
  // Each object's onLoad runs in a process of its own.
  std::vector<std::string> printed = take();
  std::sort(printed.begin(), printed.end());
  EXPECT_EQ(printed, (std::vector<std::string>{"k", "x", "y"}));
}

TEST_F(ProjectLoader, AProjectInAnotherLanguageIsRefusedWithError171) {
  writeBytes("sk.lxp", container("slovak", "print 1\r\n"));
  EXPECT_EQ(errorOf("load \"sk"), erUnsupportedLanguage);
  EXPECT_TRUE(take().empty());
  writeBytes("en.lxp", container("english", "print 2\r\n"));
  run("load \"en");
  EXPECT_EQ(take(), std::vector<std::string>{"2"});
  // Without a package a missing file is the plug-in's error.
  EXPECT_EQ(errorOf("load \"missing"), erNoEmbeddedFilePlugin);
}

TEST_F(ProjectLoader, DamagedAndHostileFilesFailCleanly) {
  const std::string good = container("english", "print 1\r\n");
  // Truncated anywhere inside the header or the chunk.
  for (size_t size = 9; size < good.size(); ++size) {
    writeBytes("cut.lxp", good.substr(0, size));
    try {
      run("load \"cut");
    } catch (const eLogoBase&) {
      continue;
    }
    EXPECT_LE(size, 9u) << "a truncated container loaded at size " << size;
  }
  // A chunk count far beyond the chunks, a length past the end, no text.
  std::string huge = good;
  huge[5] = '\xFF', huge[6] = '\xFF', huge[7] = '\xFF', huge[8] = '\x7F';
  writeBytes("huge.lxp", huge);
  EXPECT_THROW(run("load \"huge"), eLogoBase);
  std::string longChunk = good;
  longChunk[13] = '\x7F';
  writeBytes("long.lxp", longChunk);
  EXPECT_THROW(run("load \"long"), eLogoBase);
  writeBytes("none.lxp", std::string("LGF04\0\0\0\0", 9));
  EXPECT_EQ(errorOf("load \"none"), erLumaxisProject);
  // A class whose name is refused before it was made at all.
  EXPECT_EQ(loadError("newclass [] [a b] []"), erExpectWord);
  // "#n" names no variable: no table is stretched up to its code.
  EXPECT_EQ(loadError("make \"#5 1"), erWrongVarName);
  writeBytes("new.lxp", "LGF06");
  EXPECT_EQ(errorOf("load \"new"), erImageFileVersionPlugin);
}

TEST_F(ProjectLoader, AProjectThatLoadsItselfStopsWithAnError) {
  writeBytes("self.lxt", "make \"n :n + 1\r\n\r\nload \"self.lxt\r\n");
  run("make \"n 0");
  EXPECT_EQ(errorOf("load \"self.lxt"), erStackOverflow);
  run("print :n");
  EXPECT_EQ(take(), std::vector<std::string>{"64"});
  EXPECT_FALSE(projectLoadRunning());
}

TEST_F(ProjectLoader, CompressedTextLoadsLikePlainText) {
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  writeEmptyContainer(io, 4);
  appendTextChunk(io, "print 3\r\n", 1);
  writeBytes("z.lxp", io.str());
  run("load \"z");
  EXPECT_EQ(take(), std::vector<std::string>{"3"});
}

TEST_F(ProjectLoader, LoadprojectOptionsAndTheErasedWorld) {
  writeBytes("p.lxt", "new \"main [name fresh]\r\n");
  run("new \"main [name old] make \"g 1");
  EXPECT_EQ(errorOf("loadproject [p.lxt [fast]]"), erBadValue);
  // The process that asks ends; the cleaning process does the work.
  run("launch [loadproject [p.lxt [erased]]]");
  logo->waitForProcesses();
  EXPECT_EQ(object("old"), nullptr);
  EXPECT_NE(object("fresh"), nullptr);
  EXPECT_EQ(errorOf("print :g"), erNoVal);
  run("loadproject []");
}

}  // namespace
}  // namespace lx::testing

namespace lx::testing {
namespace {

// `loadproject` with the option `erased`: the process that asked ends, a
// cleaning process stops the others, empties the world, loads the built-in
// library and then the project.
TEST_F(ProjectLoader, AnErasedLoadResetsTheWorldAndLoadsTheLibraryFirst) {
  run("newclass [] \"keeper [own'n 7]");
  run("make \"total 5");
  run("(save \"keep.lxt [keeper :total])");
  run("newclass [] \"doomed []");
  run("make \"other 1");
  run("forever [wait 10]");
  run("launch [loadproject [keep.lxt [erased]] print [not reached]]");
  logo->waitForProcesses();
  EXPECT_EQ(object("doomed"), nullptr);
  ASSERT_NE(object("keeper"), nullptr);
  run("print :total print ask \"keeper [n] print name? \"other print primitive? \"regularshape");
  EXPECT_EQ(take(), (std::vector<std::string>{"5", "7", "false", "true"}));
  // The library's procedures join the system's own: never saved.
  run("save \"again.lxt");
  std::ifstream saved(file("again.lxt"), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("keeper"), std::string::npos);
  EXPECT_EQ(text.find("regularshape"), std::string::npos);
  // A second reset loads the library over its own earlier definitions.
  run("launch [loadproject [keep.lxt [erased]]]");
  logo->waitForProcesses();
  run("print primitive? \"star print ask \"keeper [n]");
  EXPECT_EQ(take(), (std::vector<std::string>{"true", "7"}));
}

}  // namespace
}  // namespace lx::testing
