// Selecting a language, the ldx file beside the program, lookups, messages,
// dictionary references and the two name comparisons.
#include "lang/dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lang/coded_stream.h"
#include "lang/name_comparison.h"
#include "platform/message_box.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

const char* kTestDictionary =
    "[dict]\n"
    "forward=vorwaerts vw\n"
    "value=wert\n"
    "print=drucke\n"
    "[other]\n"
    "true=wahr ja\n"
    "false=falsch\n"
    "[param]\n"
    "usual=ueblich\n"
    "[system]\n"
    "setfix=setze*!\n"
    "[text]\n"
    "twolines=first\\nsecond\\Nthird\n"
    "one=Found %s here\n"
    "two=%S2 before %s1\n";

class DictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("lx-dict-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    setProgramDirectory(folder_);
    writeLdx("TestLang.LDX", encodeCoded(kTestDictionary, 77));
    setMessageBoxEcho(false);
    clearShownMessages();
    ASSERT_TRUE(selectLanguage("testlang"));
  }
  void TearDown() override {
    selectLanguage("english");
    setMessageBoxEcho(true);
    std::filesystem::remove_all(folder_);
  }
  void writeLdx(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  std::filesystem::path folder_;
};

TEST_F(DictionaryTest, SelectingReadsTheLanguageSettings) {
  EXPECT_TRUE(isCurrentLanguage("TESTLANG"));
  EXPECT_EQ(trueWords(), "wahr ja");
  EXPECT_EQ(falseWords(), "falsch");
  EXPECT_EQ(usualPrefix(), "ueblich'");
  EXPECT_EQ(setNameOf("wert"), "setzewert!");
  EXPECT_EQ(nameComparisonMode(), NameComparisonMode::Locale);
}

TEST_F(DictionaryTest, StarAndEmptyMeanEnglish) {
  ASSERT_TRUE(selectLanguage("*"));
  EXPECT_TRUE(isCurrentLanguage("english"));
  ASSERT_TRUE(selectLanguage("testlang"));
  ASSERT_TRUE(selectLanguage(""));
  EXPECT_EQ(currentLanguage(), "english");
}

TEST_F(DictionaryTest, UnknownLanguageKeepsTheCurrentOne) {
  EXPECT_FALSE(selectLanguage("klingon"));
  EXPECT_TRUE(isCurrentLanguage("testlang"));
  EXPECT_TRUE(selectLanguage("english", true));
  EXPECT_TRUE(isCurrentLanguage("testlang"));
}

TEST_F(DictionaryTest, DamagedLdxFilesFallBackOrFail) {
  writeLdx("english.ldx", "");  // empty: the built-in English serves
  EXPECT_NE(loadDictionary("english"), nullptr);
  writeLdx("broken.ldx", encodeCoded("[empty]\n[dict]\nx=y\n", 1));  // first section empty
  EXPECT_EQ(loadDictionary("broken"), nullptr);
  std::string truncated = encodeCoded(kTestDictionary, 5).substr(0, 40);
  writeLdx("cut.ldx", truncated);
  auto cut = loadDictionary("cut");
  ASSERT_NE(cut, nullptr);  // what survived is usable
  EXPECT_NE(cut->section("dict"), nullptr);
  std::string noise;
  for (int i = 0; i < 10000; ++i) noise += static_cast<char>((i * 131 + 7) & 0xFF);
  writeLdx("noise.ldx", noise);
  (void)loadDictionary("noise");  // whatever it yields, it must not crash
}

TEST_F(DictionaryTest, LookupsAndTheirFallbacks) {
  EXPECT_EQ(localName("forward"), "vorwaerts");
  EXPECT_EQ(localName("nosuch"), "@nosuch@");
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_EQ(shownMessages()[0].text, "Translation Error - Unknown language string: dict-nosuch");
  EXPECT_EQ(localEntry("other", "true"), "wahr");
  EXPECT_EQ(localEntry("other", "gone"), "@gone@");
  EXPECT_EQ(localEntryRaw("other", "gone"), "");
  EXPECT_EQ(getStr("DICT", "Forward", false), "vorwaerts vw");
  EXPECT_EQ(shownMessages().size(), 1u);
}

TEST_F(DictionaryTest, MessagesBreakLinesAndFillPlaceholders) {
  EXPECT_EQ(message("twolines"), "first\r\nsecond\r\nthird");
  EXPECT_EQ(message("absent"), "@absent@");
  EXPECT_EQ(message1("one", "it"), "Found it here");
  EXPECT_EQ(message2("two", "A", "B"), "B before A");
}

TEST_F(DictionaryTest, SynonymsAreLocalNames) {
  EXPECT_TRUE(isLocalName("forward", "VW"));
  EXPECT_TRUE(isLocalName("forward", "Vorwaerts"));
  EXPECT_FALSE(isLocalName("forward", "vorw"));
  EXPECT_TRUE(isLocalEntry("other", "true", "JA"));
  EXPECT_TRUE(isLocalName("forward", "\xB7" "forward"));
}

TEST_F(DictionaryTest, DictionaryReferencesResolve) {
  EXPECT_EQ(resolveDictionaryWord("\xB7" "forward"), "vorwaerts");
  EXPECT_EQ(resolveDictionaryWord("\xB7" "setvalue"), "setzewert!");
  EXPECT_EQ(resolveDictionaryWord("\xB7" "other" "\xB7" "false"), "falsch");
  EXPECT_EQ(resolveDictionaryWord("\xB7" "print'rest"), "drucke'rest");
  EXPECT_EQ(resolveDictionaryWord("\xB7" "nothing"), "\xB7" "nothing");
  EXPECT_EQ(resolveDictionaryWord("\xB7"), "\xB7");
  EXPECT_EQ(resolveDictionaryWord("plain"), "plain");
}

TEST_F(DictionaryTest, TranslateLineReplacesEveryReference) {
  EXPECT_EQ(translateLine("\xB7" "forward 10 \xB7" "print [\xB7" "other" "\xB7" "true]"),
            "vorwaerts 10 drucke [wahr]");
  EXPECT_TRUE(shownMessages().empty());
  EXPECT_EQ(translateLine("a \xB7" "missing b \xB7" "setmissing \xB7" "other" "\xB7" "x"),
            "a \xB7" "missing b \xB7" "setmissing \xB7" "other" "\xB7" "x");
  const auto shown = shownMessages();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].text, "word???3 \xB7" "missing");
  EXPECT_EQ(shown[1].text, "word???1 \xB7" "setmissing");
  EXPECT_EQ(shown[2].text, "word???2 \xB7" "other" "\xB7" "x");
}

TEST_F(DictionaryTest, AnsiSettingSwitchesToTheFoldComparison) {
  writeLdx("folded.ldx", encodeCoded("[system]\nansi=1\n[dict]\nx=y\n", 9));
  ASSERT_TRUE(selectLanguage("folded"));
  EXPECT_EQ(nameComparisonMode(), NameComparisonMode::Fold);
  ASSERT_TRUE(selectLanguage("testlang"));
  EXPECT_EQ(nameComparisonMode(), NameComparisonMode::Locale);
}

}  // namespace
}  // namespace lx
