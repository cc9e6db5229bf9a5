// The runtime played the way its users play it: the demo packed onto the
// runtime, a project given with --play, and a project saved and packed
// again, each run as a program of its own, headless, with a screenshot.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "lang/builtin_resources.h"
#include "lang/coded_stream.h"
#include "lang/project_file_reader.h"
#include "platform/pixel_buffer.h"
#include "runtime/program_runs.h"
#include "support/image_compare.h"

namespace lx {
namespace {

// Pixels close to a colour: the demo's painters draw in red, gold and green
// on a cream page.
long pixelsNear(const PixelBuffer& image, int r, int g, int b) {
  long count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.pixel(x, y);
      const int red = (c >> 16) & 0xFF, green = (c >> 8) & 0xFF, blue = c & 0xFF;
      if (std::abs(red - r) + std::abs(green - g) + std::abs(blue - b) < 90) ++count;
    }
  return count;
}

void expectSamePicture(const PixelBuffer& actual, const PixelBuffer& expected) {
  const testing::ImageDifference difference = testing::compareImages(actual, expected);
  EXPECT_TRUE(difference.withinTolerance()) << difference.describe();
}

TEST_F(PackedRuntime, ThePackedDemoDrawsItsGardenHeadless) {
  const ProgramRun played = run({LX_DEMO_PROGRAM, "--headless", "--screenshot", file("demo.png").string()});
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.err, "");
  const PixelBuffer shown = picture(file("demo.png"));
  EXPECT_GT(pixelsNear(shown, 255, 250, 235), shown.width() * shown.height() / 2) << "the garden's cream page";
  EXPECT_GT(pixelsNear(shown, 255, 0, 0), 300) << "the rose painter's red";
  EXPECT_GT(pixelsNear(shown, 230, 160, 0), 150) << "the star painter's gold";
  EXPECT_GT(pixelsNear(shown, 0, 140, 70), 300) << "the spiral painter's green";

  // Played from its text, the same project draws the same picture.
  const ProgramRun fromText = run({LX_LUMAXIS, "--headless", "--play", LX_DEMO_PROJECT, "--screenshot",
                            file("text.png").string()});
  ASSERT_EQ(fromText.status, 0) << fromText.err;
  expectSamePicture(picture(file("text.png")), shown);
}

TEST_F(PackedRuntime, ASavedAndRepackedProjectDrawsTheSamePicture) {
  const ProgramRun original = run({LX_DEMO_PROGRAM, "--headless", "--screenshot", file("original.png").string()});
  ASSERT_EQ(original.status, 0) << original.err;
  std::ofstream(file("resave.lgo")) << "load \"|" << LX_DEMO_PROJECT << "|\n"
                                    << "save \"|" << file("resaved.lxp").string() << "|\n";
  const ProgramRun saved = run({LX_LUMAXIS, "--console", file("resave.lgo").string()});
  ASSERT_EQ(saved.status, 0) << saved.err;
  ASSERT_EQ(saved.err, "");
  pack(file("resaved.lxp"), file("repacked"));
  const ProgramRun repacked = run({file("repacked").string(), "--headless", "--screenshot", file("repacked.png").string()});
  ASSERT_EQ(repacked.status, 0) << repacked.err;
  expectSamePicture(picture(file("repacked.png")), picture(file("original.png")));
}

// The project text inside a saved container, without its header line
// (which names the file and the time).

TEST_F(PackedRuntime, AReloadedProjectWithPagesAndTurtlesSavesToTheSameText) {
  // Each run loads a project into a world of its own and saves it again.
  const auto resave = [&](const fs::path& from, const fs::path& to) {
    const fs::path saver = file("saver-" + to.stem().string() + ".lxt");
    std::ofstream(saver) << "load \"|" << from.string() << "|\n\nsave \"|" << to.string() << "|\n";
    const ProgramRun played = run({LX_LUMAXIS, "--headless", "--play", saver.string()});
    ASSERT_EQ(played.status, 0) << played.err;
  };
  resave(LX_DEMO_PROJECT, file("first.lxp"));
  resave(file("first.lxp"), file("second.lxp"));
  const std::string first = savedText(file("first.lxp"));
  EXPECT_EQ(savedText(file("second.lxp")), first);
  // Pages, turtles in their states, classes made from classes, the start-up
  // procedure: all numbered and kept.
  for (const char* part : {".new. \"Page [132 garden", "#4'.new. \"#1 [132 rose", "\t4 [-230 40]", "\t48 2",
                           "newclass \"#1 \"starpainter [", "\t40 30", "define'startup |to startup"})
    EXPECT_NE(first.find(part), std::string::npos) << part << " in\n" << first;
}

TEST_F(PackedRuntime, AProjectInALanguageWithoutADictionaryEndsTheProgram) {
  pack(LX_DEMO_PROJECT, file("foreign"), {"--lang", "klingon"});
  const ProgramRun played = run({file("foreign").string(), "--headless"});
  EXPECT_NE(played.status, 0);
  EXPECT_NE(played.err.find("Language klingon not available"), std::string::npos) << played.err;
}

// A dictionary beside the program: English with two words of its own.
void writeTestishDictionary(const fs::path& file) {
  const BuiltinResource* english = findBuiltinResource("LDI", "ENGLISH");
  ASSERT_NE(english, nullptr);
  std::string text = decodeCoded(std::string_view(reinterpret_cast<const char*>(english->data), english->size));
  for (auto [from, to] : {std::pair<std::string, std::string>{"\nprint=print pr", "\nprint=tlac"},
                          {"\nmainwindow=MainWindow", "\nmainwindow=HlavneOkno"}}) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  }
  std::ofstream(file, std::ios::binary) << encodeCoded(text, 7);
}

TEST_F(PackedRuntime, ThePackedProjectsLanguageChoosesTheDictionary) {
  writeTestishDictionary(file("testish.ldx"));
  std::ofstream(file("project.lxt")) << "ask \"HlavneOkno [(newpage \"strana)]\n\n"
                                     << "tlac [ahoj]\n\nsave \"|" << file("saved.lxp").string() << "|\n";
  pack(file("project.lxt"), file("program"), {"--lang", "testish"});
  const ProgramRun played = run({file("program").string(), "--headless"});
  ASSERT_EQ(played.status, 0) << played.err;
  std::ifstream saved(file("saved.lxp"), std::ios::binary);
  const ProjectFileContents contents = readProjectFile(saved);
  EXPECT_EQ(contents.language, "testish");
  EXPECT_NE(contents.text.find("language: \"testish\""), std::string::npos) << contents.text;
  EXPECT_NE(contents.text.find(".new. \"Page [132 strana"), std::string::npos) << contents.text;
}

TEST_F(PackedRuntime, AProjectThatFailsToLoadSaysWhyAndFails) {
  std::ofstream(file("broken.lxt")) << "ask \"MainWindow [(newpage \"only)]\n\nforwardd 10\n";
  const ProgramRun played = run({LX_LUMAXIS, "--headless", "--play", file("broken.lxt").string()});
  EXPECT_EQ(played.status, 1);
  EXPECT_NE(played.err.find("forwardd"), std::string::npos) << played.err;

  const ProgramRun missing = run({LX_LUMAXIS, "--headless", "--play", file("nothing.lxt").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
}

TEST_F(PackedRuntime, PlayedProjectsPrintToStandardOutputUnderTheirOwnTitle) {
  std::ofstream(file("hello.lxt")) << "ask \"MainWindow [(newpage \"only)]\n\nprint [hello from a project]\n\n"
                                   << "print ask \"MainWindow [caption]\n\nprint processname\n\n"
                                   << "MainWindow'to startup\nprint processname\nend\n";
  const ProgramRun played = run({LX_LUMAXIS, "--headless", "--play", file("hello.lxt").string()});
  EXPECT_EQ(played.status, 0) << played.err;
  // The window is titled by the project's file name; the process "@main"
  // loads the project, then "@startup" runs the start-up procedure.
  EXPECT_EQ(played.out, "hello from a project\nhello\n@main\n@startup\n");
}

}  // namespace
}  // namespace lx
