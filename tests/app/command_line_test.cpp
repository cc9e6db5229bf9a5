// The command lines of the runtime and of the packer: every option, in
// every order, the questions they answer (help, version, languages), and
// the mistakes, each named in its message.
#include "app/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/language_list.h"
#include "app/option_parser.h"
#include "app/pack_command_line.h"
#include "lang/builtin_resources.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

using Words = std::vector<std::string>;

// Every option of the runtime once, as the pieces an order is made of.
const std::vector<Words> kRuntimeOptions = {{"--console"},      {"s.lgo"},      {"--lang", "slovak"},
                                            {"--seed", "42"},   {"--headless"}, {"--screenshot", "out.png"},
                                            {"--run-ms", "500"}};

size_t widestLine(const std::string& text) {
  size_t widest = 0;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) widest = std::max(widest, line.size());
  return widest;
}

void expectEveryOptionRead(const ParsedCommandLine& parsed, const std::string& order) {
  ASSERT_TRUE(parsed.error.empty()) << order << ": " << parsed.error;
  const CommandLine& line = parsed.line;
  EXPECT_EQ(parsed.request, CommandLineRequest::Run) << order;
  EXPECT_TRUE(line.console) << order;
  EXPECT_EQ(line.consoleFile, "s.lgo") << order;
  EXPECT_EQ(line.language, "slovak") << order;
  EXPECT_EQ(line.seed, std::optional<uint64_t>(42)) << order;
  EXPECT_TRUE(line.headless) << order;
  EXPECT_EQ(line.screenshot, "out.png") << order;
  EXPECT_EQ(line.runMs, std::optional<long>(500)) << order;
  EXPECT_TRUE(line.plain.empty()) << order;
}

TEST(CommandLine, EveryOptionInEveryOrder) {
  std::vector<size_t> order(kRuntimeOptions.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  int orders = 0;
  do {
    Words words;
    std::string shown;
    for (size_t i : order) {
      words.insert(words.end(), kRuntimeOptions[i].begin(), kRuntimeOptions[i].end());
      shown += kRuntimeOptions[i].front() + " ";
    }
    expectEveryOptionRead(parseCommandLine(words), shown);
    ++orders;
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(orders, 5040);
}

TEST(CommandLine, DefaultsAndTheOtherForms) {
  const ParsedCommandLine none = parseCommandLine({});
  EXPECT_TRUE(none.error.empty());
  EXPECT_FALSE(none.line.console);
  EXPECT_EQ(none.line.language, "english");
  EXPECT_FALSE(none.line.seed);
  EXPECT_FALSE(none.line.runMs);
  const ParsedCommandLine play = parseCommandLine({"--headless", "--play", "game.lxt", "--run-ms=0"});
  EXPECT_TRUE(play.error.empty()) << play.error;
  EXPECT_EQ(play.line.playFile, "game.lxt");
  EXPECT_EQ(play.line.runMs, std::optional<long>(0));
  EXPECT_TRUE(play.line.answersFile.empty());
  // The answers of the dialogs, beside the console's own file.
  const ParsedCommandLine answered = parseCommandLine({"--console", "--answers", "a.txt", "s.lgo"});
  EXPECT_TRUE(answered.error.empty()) << answered.error;
  EXPECT_EQ(answered.line.answersFile, "a.txt");
  EXPECT_EQ(answered.line.consoleFile, "s.lgo");
  // After "--" a name that looks like an option is the console's file.
  const ParsedCommandLine dashed = parseCommandLine({"--console", "--", "--odd.lgo"});
  EXPECT_TRUE(dashed.error.empty()) << dashed.error;
  EXPECT_EQ(dashed.line.consoleFile, "--odd.lgo");
  // The plug-in mode's two parameters, with options around them.
  const ParsedCommandLine plugin = parseCommandLine({"--headless", "1234", "project.lxp"});
  EXPECT_TRUE(plugin.error.empty()) << plugin.error;
  EXPECT_EQ(plugin.line.plain, (Words{"1234", "project.lxp"}));
}

TEST(CommandLine, QuestionsAnsweredWithoutRunning) {
  for (const std::string help : {"--help", "-h"}) {
    const ParsedCommandLine parsed = parseCommandLine({"--console", help, "--frobnicate"});
    EXPECT_EQ(parsed.request, CommandLineRequest::Help) << help;
    EXPECT_TRUE(parsed.error.empty());
    // Every option is explained.
    for (const char* option :
         {"--console", "--play", "--lang", "--seed", "--headless", "--screenshot", "--run-ms", "--answers",
          "--list-languages", "--version", "HWND", "Ctrl+C", "Ctrl+D", "history", "Exit status"})
      EXPECT_NE(parsed.text.find(option), std::string::npos) << option;
    EXPECT_LE(widestLine(parsed.text), 80u);
  }
  const ParsedCommandLine version = parseCommandLine({"--version"});
  EXPECT_EQ(version.request, CommandLineRequest::Version);
  EXPECT_EQ(version.text, std::string("lumaxis ") + kProgramVersion + "\n");
  EXPECT_EQ(parseCommandLine({"--headless", "--list-languages"}).request, CommandLineRequest::ListLanguages);
}

TEST(CommandLine, MistakesNameTheArgument) {
  const std::vector<std::pair<Words, std::string>> mistakes = {
      {{"--frobnicate"}, "--frobnicate"},
      {{"--console", "-x"}, "-x"},
      {{"--seed", "x"}, "--seed"},
      {{"--seed", "-1"}, "-1"},
      {{"--seed", "18446744073709551616"}, "--seed"},
      {{"--run-ms", "-5"}, "-5"},
      {{"--run-ms", "1.5"}, "1.5"},
      {{"--lang"}, "--lang"},
      {{"--play"}, "--play"},
      {{"--screenshot"}, "--screenshot"},
      {{"--lang", "a", "--lang", "b"}, "--lang"},
      {{"--console", "a.lgo", "b.lgo"}, "b.lgo"},
      {{"--play", "a.lxt", "b.lgo"}, "b.lgo"},
      {{"--console", "--play", "a.lxt"}, "--play"},
      {{"stray"}, "stray"},
      {{"1", "2", "3"}, "3"},
  };
  for (const auto& [words, named] : mistakes) {
    const ParsedCommandLine parsed = parseCommandLine(words);
    EXPECT_NE(parsed.error.find(named), std::string::npos) << words.front() << ": " << parsed.error;
  }
  EXPECT_NE(usageText().find("--help"), std::string::npos);
}

TEST(PackCommandLine, PackingInAnyOrder) {
  const std::vector<Words> pieces = {
      {"--runtime", "bin"}, {"--project", "p.lxt"}, {"-o", "out"}, {"--lang", "german"}, {"--voice"}};
  std::vector<size_t> order = {0, 1, 2, 3, 4};
  do {
    Words words;
    for (size_t i : order) words.insert(words.end(), pieces[i].begin(), pieces[i].end());
    const PackCommandLine line = parsePackCommandLine(words);
    ASSERT_TRUE(line.error.empty()) << line.error;
    EXPECT_EQ(line.action, PackAction::Pack);
    EXPECT_EQ(line.request.runtimePath, "bin");
    EXPECT_EQ(line.request.projectPath, "p.lxt");
    EXPECT_EQ(line.request.outputPath, "out");
    EXPECT_EQ(line.request.language, "german");
    EXPECT_TRUE(line.request.voice);
  } while (std::next_permutation(order.begin(), order.end()));
  const PackCommandLine longOutput =
      parsePackCommandLine({"--output", "o", "--project", "p", "--runtime", "r"});
  EXPECT_TRUE(longOutput.error.empty()) << longOutput.error;
  EXPECT_EQ(longOutput.request.outputPath, "o");
  EXPECT_EQ(longOutput.request.language, "english");
  EXPECT_FALSE(longOutput.request.voice);
}

TEST(PackCommandLine, ListingQuestionsAndMistakes) {
  const PackCommandLine list = parsePackCommandLine({"--list", "game"});
  EXPECT_EQ(list.action, PackAction::List);
  EXPECT_EQ(list.listedProgram, "game");
  EXPECT_EQ(parsePackCommandLine({"--help"}).action, PackAction::Help);
  const std::string help = parsePackCommandLine({"--help"}).text;
  for (const char* option :
       {"--runtime", "--project", "--output", "--lang", "--voice", "--list", "Exit status"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
  EXPECT_LE(widestLine(help), 80u);
  EXPECT_EQ(parsePackCommandLine({"--version"}).text, std::string("lumaxis-pack ") + kProgramVersion + "\n");
  EXPECT_EQ(parsePackCommandLine({"--list-languages"}).action, PackAction::ListLanguages);
  const std::vector<std::pair<Words, std::string>> mistakes = {
      {{}, "--runtime"},
      {{"--runtime", "r", "-o", "o"}, "--project"},
      {{"--runtime", "r", "--project", "p"}, "-o"},
      {{"--list", "game", "--runtime", "r"}, "--runtime"},
      {{"--list"}, "--list"},
      {{"--runtime", "r", "--project", "p", "-o", "o", "extra"}, "extra"},
      {{"--frobnicate"}, "--frobnicate"},
  };
  for (const auto& [words, named] : mistakes) {
    const PackCommandLine line = parsePackCommandLine(words);
    EXPECT_NE(line.error.find(named), std::string::npos) << line.error;
  }
}

TEST(OptionParser, WrapsAtBlanksWithinTheWidth) {
  EXPECT_EQ(wrapText("one two three four", 9), "one two\nthree\nfour");
  EXPECT_EQ(wrapText("a\nb c", 80), "a\nb c");
  EXPECT_EQ(wrapText("unbreakable-word x", 4), "unbreakable-word\nx");
}

// A program folder of its own with dictionary files in it.
class LanguageList : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("lx-languages-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    saved_ = programDirectory();
    setProgramDirectory(folder_);
  }
  void TearDown() override {
    setProgramDirectory(saved_);
    std::filesystem::remove_all(folder_);
  }
  void writeFile(const std::string& name, std::string_view bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  std::filesystem::path folder_, saved_;
};

TEST_F(LanguageList, BuiltInDictionariesAndFilesBesideTheProgram) {
  const BuiltinResource* english = findBuiltinResource("LDI", "ENGLISH");
  ASSERT_NE(english, nullptr);
  const std::string_view coded(reinterpret_cast<const char*>(english->data), english->size);
  writeFile("Pirate.LDX", coded);
  writeFile("broken.ldx", "not a dictionary");
  writeFile("notes.txt", coded);
  const std::vector<AvailableLanguage> languages = availableLanguages();
  ASSERT_EQ(languages.size(), 4u);
  EXPECT_EQ(languages[0].name, "broken");
  EXPECT_FALSE(languages[0].usable);
  EXPECT_EQ(languages[1].name, "english");
  EXPECT_EQ(languages[1].source, "built in");
  EXPECT_EQ(languages[2].name, "pirate");
  EXPECT_EQ(languages[2].source, (folder_ / "Pirate.LDX").string());
  EXPECT_TRUE(languages[2].usable);
  EXPECT_EQ(languages[3].name, "slovak");
  EXPECT_EQ(languages[3].source, "built in");
  std::ostringstream shown;
  printLanguages(languages, shown);
  EXPECT_EQ(shown.str(), "broken   " + (folder_ / "broken.ldx").string() +
                             " (not a dictionary: cannot be used)\nenglish  built in\npirate   " +
                             (folder_ / "Pirate.LDX").string() + "\nslovak   built in\n");
}

TEST_F(LanguageList, ADamagedFileLeavesTheBuiltInDictionaryListed) {
  writeFile("english.ldx", "garbage");
  const std::vector<AvailableLanguage> languages = availableLanguages();
  ASSERT_EQ(languages.size(), 2u);
  EXPECT_EQ(languages[0].name, "english");
  EXPECT_EQ(languages[0].source, "built in");
}

}  // namespace
}  // namespace lx
