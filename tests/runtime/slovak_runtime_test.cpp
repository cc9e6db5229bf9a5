// Projects in Slovak, played the way their users play them: packed with
// their language, saved and played again by a fresh run, and loaded from a
// run in English, which starts itself again in Slovak.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "runtime/program_runs.h"

namespace lx {
namespace {

// Project texts are code page 1250; this file is UTF-8.
std::string cp(const std::string& utf8) {
  return utf8ToCp1250(utf8).text;
}

class SlovakRuntime : public PackedRuntime {
 protected:
  // A Slovak project that builds a page and a turtle, defines a recursive
  // procedure and saves itself into `saved`; its start-up procedure prints
  // what it computes and then divides by zero.
  void writeProject(const fs::path& text, const fs::path& saved) const {
    std::ofstream(text, std::ios::binary)
        << cp("povedz \"HlavnéOkno [(nováStránka \"plocha)]\n\n"
              "povedz \"plocha [nový \"Korytnačka [meno žofka hrúbkaPera 3]]\n\n"
              "viem súčetDo :n\nak :n = 0 [výsledok 0]\nvýsledok :n + súčetDo :n - 1\nkoniec\n\n"
              "urob \"body zoznam súčetDo 10 súčetDo 4\n\n"
              "HlavnéOkno'viem štart\npíš :body\npovedz \"žofka [dopredu 40 píš poloha]\npíš 1 / "
              "0\nkoniec\n\n"
              "ulož \"|")
        << cp(saved.string()) << "|\n";
  }
};

TEST_F(SlovakRuntime, APackedSlovakProjectSpeaksSlovak) {
  writeProject(file("projekt.lxt"), file("svet.lxp"));
  pack(file("projekt.lxt"), file("program"), {"--lang", "slovak"});
  const ProgramRun played = run({file("program").string(), "--headless"});
  // The start-up procedure's error is told in Slovak, under a Slovak caption.
  EXPECT_NE(played.err.find("[Chyba v HlavnéOkno'štart, riadok 3] / nevie deliť nulou"), std::string::npos)
      << played.err;
  EXPECT_EQ(played.err.find("divide"), std::string::npos) << played.err;

  // Saved in Slovak: the newer container with its language, and Slovak words.
  std::ifstream saved(file("svet.lxp"), std::ios::binary);
  const ProjectFileContents contents = readProjectFile(saved);
  EXPECT_EQ(contents.language, "slovak");
  EXPECT_EQ(contents.text.rfind("; language: \"slovak\" name: ", 0), 0u) << contents.text;
  for (const char* part : {"viem súčetDo :n", "urob \"body [55 10]", ".new. \"Stránka [132 plocha",
                           "#1'.new. \"Korytnačka [132 žofka", "definuj'štart |viem štart¶"})
    EXPECT_NE(contents.text.find(cp(part)), std::string::npos) << part;
  std::ifstream raw(file("svet.lxp"), std::ios::binary);
  std::string magic(5, '\0');
  raw.read(magic.data(), 5);
  EXPECT_EQ(magic, "LGF05");
}

TEST_F(SlovakRuntime, AFreshEnglishRunPlaysTheSavedWorldInSlovakAndSavesTheSameText) {
  writeProject(file("projekt.lxt"), file("prvý.lxp"));
  pack(file("projekt.lxt"), file("program"), {"--lang", "slovak"});
  ASSERT_TRUE(run({file("program").string(), "--headless"}).err.find("Chyba") != std::string::npos);

  // Played by a runtime asked for English: the container's language wins.
  std::ofstream(file("znova.lxt"), std::ios::binary) << cp(
      "nahrajProjekt \"|" + file("prvý.lxp").string() + "|\n\nulož \"|" + file("druhý.lxp").string() + "|\n");
  const ProgramRun played =
      run({LX_LUMAXIS, "--headless", "--lang", "english", "--play", file("prvý.lxp").string()});
  EXPECT_EQ(played.out, "55 10\n0 40\n");
  EXPECT_NE(played.err.find("nevie deliť nulou"), std::string::npos) << played.err;

  // Loaded again and saved by a fresh run, the world gives the same text.
  pack(file("znova.lxt"), file("znova"), {"--lang", "slovak"});
  const ProgramRun resaved = run({file("znova").string(), "--headless"});
  ASSERT_TRUE(fs::exists(file("druhý.lxp"))) << resaved.err;
  EXPECT_EQ(savedText(file("druhý.lxp")), savedText(file("prvý.lxp")));
}

TEST_F(SlovakRuntime, LoadingAProjectInAnotherLanguageErasedStartsTheRuntimeAgain) {
  writeProject(file("projekt.lxt"), file("svet.lxp"));
  pack(file("projekt.lxt"), file("program"), {"--lang", "slovak"});
  run({file("program").string(), "--headless"});
  ASSERT_TRUE(fs::exists(file("svet.lxp")));
  const std::string project = "\"|" + file("svet.lxp").string() + "|";

  // Without `erased` the English run refuses, and goes on.
  std::ofstream(file("refused.lgo")) << "loadproject " << project << "\nprint \"after\n";
  const ProgramRun refused = run({LX_LUMAXIS, "--console", file("refused.lgo").string(), "--headless"});
  EXPECT_NE(refused.err.find("The project's language slovak can't be used here"), std::string::npos)
      << refused.err;
  EXPECT_EQ(refused.out, "after\n");

  // With `erased` and `startup` the run ends, the lines after it are not
  // read, and the new run plays the project in Slovak and starts it.
  std::ofstream(file("restart.lgo")) << "print \"before\nloadproject [" << project.substr(1)
                                     << " [erased startup]]\nprint \"never\n";
  const ProgramRun restarted = run({LX_LUMAXIS, "--console", file("restart.lgo").string(), "--headless"});
  EXPECT_EQ(restarted.out, "before\n55 10\n0 40\n");
  EXPECT_NE(restarted.err.find("nevie deliť nulou"), std::string::npos) << restarted.err;

  // Without `startup` it is only loaded.
  std::ofstream(file("loaded.lgo")) << "loadproject [" << project.substr(1) << " [erased]]\n";
  const ProgramRun loaded = run({LX_LUMAXIS, "--console", file("loaded.lgo").string(), "--headless"});
  EXPECT_EQ(loaded.out, "");
  EXPECT_EQ(loaded.err, "");
  EXPECT_EQ(loaded.status, 0);
}

// The built-in library names its words by dictionary references, so the
// reset of a Slovak world reads it and goes on to load the project.
TEST_F(SlovakRuntime, AFullResetInSlovakLoadsTheLibraryAndThenTheProject) {
  writeProject(file("projekt.lxt"), file("svet.lxp"));
  pack(file("projekt.lxt"), file("program"), {"--lang", "slovak"});
  run({file("program").string(), "--headless"});
  std::ofstream(file("reset.lgo")) << "urob \"body 0\nnahrajProjekt [|" << file("svet.lxp").string()
                                   << "| [vymazané]]\npíš :body\npíš primitíva? \"star\n";
  const ProgramRun reset =
      run({LX_LUMAXIS, "--console", file("reset.lgo").string(), "--headless", "--lang", "slovak"});
  EXPECT_EQ(reset.out, "55 10\npravda\n") << reset.err;
}

TEST_F(SlovakRuntime, TheConsoleTalksSlovak) {
  std::ofstream(file("riadky.lgo")) << "urob \"a 6\npíš :a * 7\nakInak :a > 5 [píš \"veľa] [píš \"málo]\npíš "
                                       "nechhodnota\n";
  const ProgramRun console =
      run({LX_LUMAXIS, "--console", file("riadky.lgo").string(), "--headless", "--lang", "slovak"});
  EXPECT_EQ(console.out, "42\nveľa\n");
  EXPECT_NE(console.err.find("Neviem, čo je nechhodnota"), std::string::npos) << console.err;
}

}  // namespace
}  // namespace lx
