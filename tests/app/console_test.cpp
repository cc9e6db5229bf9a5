// The console: collecting lines into instructions, the command line, and a
// whole run with its output, its errors and the input that `readword` reads.
#include "app/console.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/command_line.h"
#include "app/console_history.h"
#include "app/console_lines.h"
#include "app/terminal_output.h"

namespace lx {
namespace {

std::vector<ConsoleInstruction> instructionsOf(std::vector<std::string> lines) {
  size_t at = 0;
  ConsoleLines console([&]() -> std::optional<std::string> {
    if (at == lines.size()) return std::nullopt;
    return lines[at++];
  });
  std::vector<ConsoleInstruction> out;
  while (auto instruction = console.next()) out.push_back(*instruction);
  return out;
}

TEST(ConsoleLines, ContinuationsDefinitionsAndSkippedLines) {
  const auto got = instructionsOf(
      {"; a comment", "", "print 1 ~", "+ 2", "TO square :n", "output :n * :n", "END", "   ", "print 3"});
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].text, "print 1  + 2");
  EXPECT_EQ(got[0].firstLine, 3);
  EXPECT_EQ(got[1].kind, ConsoleInstruction::Definition);
  EXPECT_EQ(got[1].text, "TO square :n\r\noutput :n * :n\r\nEND");
  EXPECT_EQ(got[2].text, "print 3");
}

TEST(ConsoleLines, AnUnfinishedDefinitionEndsWithTheScript) {
  const auto got = instructionsOf({"to half", "print 1"});
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].text, "to half\r\nprint 1");
}

// What a terminal asks for, line by line: the first line of an instruction
// or one that continues it.
struct TypedLines {
  std::vector<std::string> lines;
  std::vector<LineWanted> asked;
  std::vector<ConsoleInstruction> run() {
    size_t at = 0;
    ConsoleLines console(
        [&](LineWanted wanted) -> std::optional<std::string> {
          asked.push_back(wanted);
          if (at == lines.size()) return std::nullopt;
          return lines[at++];
        },
        true);
    std::vector<ConsoleInstruction> out;
    while (auto instruction = console.next()) out.push_back(*instruction);
    return out;
  }
};

TEST(ConsoleLines, TypedOpenBracketsContinueTheLine) {
  TypedLines typed{{"repeat 2 [", "print 1 ]", "print (sum 1", "2)", "to twice :x", "output :x * 2 ~",
                    "+ 0", "end", "print 3 ~", "+ 4"},
                   {}};
  const auto got = typed.run();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].text, "repeat 2 [ print 1 ]");
  EXPECT_EQ(got[1].text, "print (sum 1 2)");
  EXPECT_EQ(got[2].text, "to twice :x\r\noutput :x * 2  + 0\r\nend");
  EXPECT_EQ(got[3].text, "print 3  + 4");
  using W = LineWanted;
  EXPECT_EQ(typed.asked, (std::vector<W>{W::First, W::More, W::First, W::More, W::First, W::More, W::More,
                                         W::More, W::First, W::More, W::First}));
}

TEST(ConsoleLines, EscapedBracketsCommentsAndScriptsOpenNothing) {
  EXPECT_TRUE(leavesBracketOpen("print [a [b]"));
  EXPECT_TRUE(leavesBracketOpen("print (3"));
  EXPECT_FALSE(leavesBracketOpen("print \\[ 1"));
  EXPECT_FALSE(leavesBracketOpen("print \"|[| 1"));
  EXPECT_FALSE(leavesBracketOpen("print ] ["));
  EXPECT_FALSE(leavesBracketOpen("print [1] (2)"));
  EXPECT_FALSE(leavesBracketOpen("print [a ( b]"));
  EXPECT_TRUE(leavesBracketOpen("print [a ( b"));
  TypedLines comment{{"; a note [", "print 1"}, {}};
  EXPECT_EQ(comment.run().size(), 1u);
  // Lines from a script keep their brackets as they are: an unbalanced
  // line is run, and its error reported, as before.
  const auto scripted = instructionsOf({"print [1", "print 2"});
  EXPECT_EQ(scripted.size(), 2u);
}

TEST(ConsoleLines, AnInterruptDropsTheInstructionBeingCollected) {
  std::vector<std::string> lines = {"repeat 2 [", "!", "print 5"};
  size_t at = 0;
  ConsoleLines console(
      [&](LineWanted) -> std::optional<std::string> {
        if (at == lines.size()) return std::nullopt;
        const std::string line = lines[at++];
        if (line == "!") throw std::runtime_error("interrupted");
        return line;
      },
      true);
  EXPECT_THROW(console.next(), std::runtime_error);
  const auto after = console.next();
  ASSERT_TRUE(after);
  EXPECT_EQ(after->text, "print 5");
}

TEST(TerminalOutput, ErrorsPlainOrInColour) {
  EXPECT_EQ(errorForTerminal("Error", "/ can't divide by zero\r\n\r\nCheck it.", false),
            "Error\n/ can't divide by zero\n\nCheck it.\n");
  EXPECT_EQ(errorForTerminal("Error", "/ can't divide by zero\r\n\r\nCheck it.", true),
            "\x1b[1;31mError\x1b[0m\n\x1b[1m/ can't divide by zero\x1b[0m\n\nCheck it.\n");
  // Pipes and files never get colour.
  EXPECT_FALSE(terminalShowsColour(-1));
}

TEST(ConsoleHistory, KeptInTheUsersDataFolder) {
  EXPECT_EQ(historyFile("/data", "/home/u"), std::filesystem::path("/data/lumaxis/history"));
  EXPECT_EQ(historyFile(nullptr, "/home/u"), std::filesystem::path("/home/u/.local/share/lumaxis/history"));
  EXPECT_EQ(historyFile("", "/home/u"), std::filesystem::path("/home/u/.local/share/lumaxis/history"));
  EXPECT_EQ(historyFile("relative", "/home/u"), std::filesystem::path("/home/u/.local/share/lumaxis/history"));
  EXPECT_FALSE(historyFile(nullptr, nullptr));
}

TEST(CommandLine, OptionsAndMistakes) {
  const auto good =
      parseCommandLine({"--console", "script.lgo", "--lang", "slovak", "--seed", "42", "--run-ms", "500"});
  EXPECT_TRUE(good.error.empty());
  EXPECT_TRUE(good.line.console);
  EXPECT_EQ(good.line.consoleFile, "script.lgo");
  EXPECT_EQ(good.line.language, "slovak");
  EXPECT_EQ(*good.line.seed, 42u);
  EXPECT_EQ(*good.line.runMs, 500);
  EXPECT_TRUE(parseCommandLine({"--console", "--headless"}).line.consoleFile.empty());
  EXPECT_FALSE(parseCommandLine({"--seed", "x"}).error.empty());
  EXPECT_FALSE(parseCommandLine({"--lang"}).error.empty());
  EXPECT_FALSE(parseCommandLine({"--frobnicate"}).error.empty());
}

TEST(CommandLine, TheConsolesFileMayStandAnywhereAmongTheOptions) {
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--console", "--headless", "s.lgo"}, {"s.lgo", "--console", "--headless"},
        {"--headless", "--console", "--seed", "3", "s.lgo"}}) {
    const ParsedCommandLine parsed = parseCommandLine(words);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.line.consoleFile, "s.lgo");
    EXPECT_TRUE(parsed.line.plain.empty());
  }
  // Arguments that have no use are refused, not passed over.
  EXPECT_FALSE(parseCommandLine({"--console", "a.lgo", "b.lgo"}).error.empty());
  EXPECT_FALSE(parseCommandLine({"--play", "a.lxt", "b.lgo"}).error.empty());
  EXPECT_FALSE(parseCommandLine({"--console", "--play", "a.lxt"}).error.empty());
  EXPECT_FALSE(parseCommandLine({"stray"}).error.empty());
  // The plug-in mode's two parameters stay.
  const ParsedCommandLine plugin = parseCommandLine({"1234", "project.lxp"});
  EXPECT_TRUE(plugin.error.empty());
  EXPECT_EQ(plugin.line.plain.size(), 2u);
}

struct RunResult {
  int status;
  std::string out, err;
};

RunResult runScript(const std::string& script, const std::string& input = "",
                    const std::string& language = "english", std::optional<long> runMs = std::nullopt) {
  CommandLine options;
  options.runMs = runMs;
  options.console = true;
  options.headless = true;
  options.language = language;
  std::istringstream scriptStream(script), inputStream(input);
  std::ostringstream out, err;
  const int status = runConsole(options, scriptStream, &inputStream, out, err);
  return {status, out.str(), err.str()};
}

TEST(Console, RunsLinesReportsErrorsAndGoesOn) {
  const RunResult r =
      runScript("print 1 / 0\nprint \"after\nprint readword\nprint \"\xC5\xA1tart\n", "typed\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "after\ntyped\n\xC5\xA1tart\n");
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "Error");
  EXPECT_NE(r.err.find("zero"), std::string::npos);
}

TEST(Console, OutputOrStopOutsideAProcedureIsAnError) {
  const RunResult r = runScript("output 3\nstop\nprint \"ok\n");
  EXPECT_EQ(r.out, "ok\n");
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n') >= 2, true);
}

TEST(Console, LinesRunInProcessesThatLaunchedProcessesOutlive) {
  const RunResult r = runScript(
      "(launch [wait 200 print \"second] \"late)\nprint processname\ncatch \"error [print 1 / 0]\n"
      "print first error\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "@console\n32\nsecond\n");
  EXPECT_EQ(r.err, "");
}

TEST(Console, ALineThatLoadsErasedIsOverWhenTheProjectIsLoaded) {
  const std::filesystem::path project =
      std::filesystem::temp_directory_path() / ("lx-erased-" + std::to_string(::getpid()) + ".lxt");
  std::ofstream(project) << "make \"score 5\r\n\r\nnewclass [] \"loaded [own'size 7]\r\n";
  const RunResult r = runScript("loadproject (list \"|" + project.string() +
                                "| [erased])\nprint :score\nprint ask \"loaded [:size]\n");
  std::filesystem::remove(project);
  EXPECT_EQ(r.out, "5\n7\n");
  EXPECT_EQ(r.err, "");
}

TEST(Console, RunMsBoundsTheWaitForProcessesThatNeverEnd) {
  const auto start = std::chrono::steady_clock::now();
  const RunResult r = runScript("(forever [wait 10] \"spinner)\nprint \"started\n", "", "english", 300);
  EXPECT_EQ(r.out, "started\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(Console, AnUnknownLanguageEndsWithAMessage) {
  const RunResult r = runScript("print 1\n", "", "klingon");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Language klingon not available\n");
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace lx
