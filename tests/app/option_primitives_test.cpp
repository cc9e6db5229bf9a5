// `setoption` and `option`: every key read back after it is set, the
// checks that keep the old value on bad input, and what a full reset
// (`loadproject` with `erased`) sets back and what it keeps.
#include <fstream>

#include "core/global_options.h"
#include "project_world.h"

namespace lx::testing {
namespace {

using Lines = std::vector<std::string>;

class Options : public ProjectTest {
 protected:
  void TearDown() override {
    globalOptions() = GlobalOptions();
    setProgramParameters({});
    ProjectTest::TearDown();
  }
  std::string option(const std::string& key) {
    run("print option \"" + key);
    const Lines shown = take();
    return shown.empty() ? std::string() : shown.front();
  }
};

TEST_F(Options, EverySettingReadsBackAsItWasSet) {
  run("setoption [colourcursor 0 sound 0 ansi 1 thresholdy2k 42 strict 2 octaves 3 error 1]");
  run("setoption [ellapseunit 100 timeunit 10 homepage |http://a.b/| HTMLcharset |utf-8| HTMLbottomLine end]");
  run("setoption [picker [red [1 2 3]] pluginpage p]");
  const std::pair<const char*, const char*> expected[] = {
      {"colourcursor", "0"}, {"sound", "0"}, {"ansi", "1"}, {"thresholdy2k", "42"}, {"strict", "2"},
      {"octaves", "3"}, {"error", "0"}, {"ellapseunit", "1"}, {"timeunit", "2"}, {"homepage", "http://a.b/"},
      {"htmlcharset", "utf-8"}, {"HTMLBOTTOMLINE", "end"}, {"picker", "red [1 2 3]"}, {"pluginpage", "p"},
      {"fkeys", "12"}, {"version", "english"}, {"state", "386"}, {"build", "0"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(option(key), value) << key;
  // Synonyms of the dictionary and any letter case name the same key.
  run("setoption [ElapseUnit 10 colorcursor 1]");
  EXPECT_EQ(option("ellapseunit"), "2");
  EXPECT_EQ(option("colourcursor"), "1");
  EXPECT_EQ(globalOptions().waitUnit, kTenthUnit);
}

TEST_F(Options, ParamsAreTheProgramsParametersFromTheThirdOn) {
  setProgramParameters({"--console", "x.lgo", "one", "|two|"});
  run("print option \"params print count option \"params");
  EXPECT_EQ(take(), (Lines{"one |two|", "2"}));
  setProgramParameters({"--console"});
  EXPECT_EQ(option("params"), "");
}

TEST_F(Options, FunctionKeysCountTwoToElevenAsOne) {
  const std::pair<int, int> modes[] = {{0, 1}, {1, 0}, {2, 0}, {11, 0}, {12, 2}};
  for (const auto& [value, mode] : modes) {
    run("setoption [fkeys " + std::to_string(value) + "]");
    EXPECT_EQ(globalOptions().fkeys, mode) << value;
  }
}

TEST_F(Options, BadInputKeepsTheOldValue) {
  run("setoption [strict 1 ellapseunit 100 thresholdy2k 20]");
  EXPECT_EQ(errorOf("setoption [strict 3]"), erMinMax);
  EXPECT_EQ(logo->lastError->numberB, 2);
  EXPECT_EQ(errorOf("setoption [ellapseunit 50]"), erBadValue);  // in range, but no unit
  EXPECT_EQ(errorOf("setoption [ellapseunit 5000]"), erMinMax);
  EXPECT_EQ(errorOf("setoption [thresholdy2k 100]"), erMinMax);
  EXPECT_EQ(errorOf("setoption [thresholdy2k 2147483648]"), erMinMax);
  EXPECT_EQ(errorOf("setoption [octaves 0]"), erMinMax);
  EXPECT_EQ(errorOf("setoption [sound 2]"), erMinMax);
  EXPECT_NE(errorOf("setoption [sound yes]"), erUnexpected);
  EXPECT_EQ(errorOf("setoption [picker red]"), erExpectList);
  EXPECT_EQ(errorOf("setoption [homepage [a b]]"), erExpectWord);
  EXPECT_EQ(errorOf("setoption [strict]"), erBadStructure);
  EXPECT_EQ(errorOf("setoption \"strict"), erExpectList);
  ASSERT_EQ(errorOf("setoption [nonsense 1]"), erBadValue);
  EXPECT_EQ(logo->lastError->value->printText(), "nonsense");
  EXPECT_EQ(errorOf("print option \"nonsense"), erBadValue);
  EXPECT_EQ(errorOf("print option [strict]"), erBadValue);
  EXPECT_EQ(option("strict"), "1");
  EXPECT_EQ(option("ellapseunit"), "1");
  EXPECT_EQ(option("thresholdy2k"), "20");
}

TEST_F(Options, AFullResetSetsTheProjectsSettingsBackAndKeepsTheUsers) {
  std::ofstream(file("p.lxt"), std::ios::binary) << "new \"main [name fresh]\r\n";
  run("setoption [strict 2 ansi 1 octaves 4 fkeys 12 ellapseunit 10 timeunit 100 thresholdy2k 30]");
  run("setoption [colourcursor 0 sound 0 picker [red] HTMLcharset x]");
  run("(resettimer \"lap)");
  run("launch [loadproject [p.lxt [erased]]]");
  logo->waitForProcesses();
  const std::pair<const char*, const char*> expected[] = {
      {"strict", "2"},       {"ansi", "1"},         {"octaves", "4"},     {"ellapseunit", "0"},
      {"timeunit", "0"},     {"thresholdy2k", "10"}, {"colourcursor", "1"}, {"sound", "1"},
      {"picker", ""},      {"htmlcharset", "iso-8859-1"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(option(key), value) << key;
  EXPECT_EQ(globalOptions().fkeys, 2);
}

TEST_F(Options, WaitsAndTheTimerFollowTheWaitUnit) {
  // In tenths, a wait of 1 lasts at least 100 milliseconds of the timer.
  run("launch [resettimer setoption [ellapseunit 10] wait 1 setoption [ellapseunit 1000] print timer >= 100]");
  logo->waitForProcesses();
  EXPECT_EQ(take(), Lines{"true"});
}

}  // namespace
}  // namespace lx::testing
