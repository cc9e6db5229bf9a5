// The Slovak dictionaries measured against the English ones: the words that
// saved projects rely on, no word that means two things where English keeps
// them apart, and a message for every error with the placeholders of its
// English message.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "lang/name_comparison.h"
#include "lang/test_error_names.h"
#include "platform/codepage.h"

namespace lx {
namespace {

// Test sources are UTF-8; the dictionaries hold code page 1250.
std::string cp(std::string_view utf8) {
  return utf8ToCp1250(utf8).text;
}

std::vector<std::string> wordsOf(const std::string& entry) {
  std::istringstream in(entry);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string folded(std::string_view word) {
  std::string out;
  for (unsigned char c : word) out += static_cast<char>(foldByte(c));
  return out;
}

// The keys of a section that each word names, under a given way of comparing.
template <typename Fold>
std::map<std::string, std::set<std::string>> keysByWord(const TDTable& section, Fold fold) {
  std::map<std::string, std::set<std::string>> keys;
  for (const TDEntry& entry : section.entries())
    for (const std::string& word : wordsOf(entry.value)) keys[fold(word)].insert(entry.key);
  return keys;
}

class SlovakDictionary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    english_ = loadDictionary("english").release();
    slovak_ = loadDictionary("slovak").release();
    ASSERT_NE(english_, nullptr);
    ASSERT_NE(slovak_, nullptr);
  }
  static void TearDownTestSuite() {
    delete english_;
    delete slovak_;
    english_ = slovak_ = nullptr;
    selectLanguage("english");
  }
  void SetUp() override { ASSERT_TRUE(selectLanguage("slovak")); }

  static TDTables* english_;
  static TDTables* slovak_;
};
TDTables* SlovakDictionary::english_ = nullptr;
TDTables* SlovakDictionary::slovak_ = nullptr;

TEST_F(SlovakDictionary, WordsThatSavedProjectsAndTheirHeadersUse) {
  EXPECT_EQ(currentLanguage(), "slovak");
  EXPECT_EQ(localName("make"), cp("urob"));
  EXPECT_EQ(localName("if"), cp("ak"));
  EXPECT_EQ(localName("list"), cp("zoznam"));
  EXPECT_EQ(localName("myname"), cp("mojeMeno"));
  EXPECT_EQ(localName("reorder"), cp("zmeňPoradie"));
  EXPECT_EQ(localName("value"), cp("hodnota"));
  EXPECT_EQ(localName("onPush"), cp("priZapnutí"));
  EXPECT_EQ(localName(".new."), ".new.");
  EXPECT_EQ(localEntry("other", "to"), cp("viem"));
  EXPECT_EQ(localEntry("other", "end"), cp("koniec"));
  EXPECT_EQ(localEntry("param", "define"), cp("definuj"));
  EXPECT_EQ(localEntry("param", "event"), cp("udalosť"));
  EXPECT_EQ(localEntry("param", "pagebg"), cp("pozadieStránok"));
  EXPECT_EQ(localEntry("param", "panebg"), cp("pozadiePapierov"));
  EXPECT_EQ(localEntry("class", "Turtle"), cp("Korytnačka"));
  EXPECT_EQ(setNameOf(localName("value")), cp("nechhodnota"));
  EXPECT_EQ(setNameOf(localName("pageWho")), cp("nechktoNaStránke"));
  EXPECT_EQ(firstWord(trueWords()), cp("pravda"));
  EXPECT_EQ(usualPrefix(), cp("obvykle'"));
}

TEST_F(SlovakDictionary, NamesFoldCaseAndAccents) {
  EXPECT_EQ(nameComparisonMode(), NameComparisonMode::Fold);
  EXPECT_TRUE(isLocalName("make", "UROB"));
  EXPECT_TRUE(isLocalName("reorder", cp("zmenporadie")));
  EXPECT_TRUE(isLocalEntry("other", "to", cp("VIEM")));
  EXPECT_FALSE(isLocalEntry("other", "to", "viemm"));
  // A dictionary reference in built-in text names the Slovak word.
  const std::string mark(1, kDictionaryMark);
  EXPECT_EQ(translateLine(mark + "repeat 4 [" + mark + "print " + mark + "repcount]"),
            cp("opakuj 4 [píš počítadlo]"));
  EXPECT_EQ(resolveDictionaryWord(mark + "setvalue"), cp("nechhodnota"));
}

// Folding makes more words equal than English's comparison does: a Slovak
// word shared by two entries of a section must be shared by them in English
// too, or one of the two would silently replace the other.
TEST_F(SlovakDictionary, NoWordMeansTwoThingsThatEnglishKeepsApart) {
  // The sections of words; the others hold sentences and settings.
  const std::set<std::string> wordSections = {"dict",   "set",      "get",        "class",  "name",
                                              "other",  "param",    "prefix",     "option", "pathnames",
                                              "colors", "keynames", "directories"};
  for (const TDTable& section : slovak_->sections()) {
    if (!wordSections.count(section.name())) continue;
    const TDTable* englishSection = english_->section(section.name());
    ASSERT_NE(englishSection, nullptr) << section.name();
    const auto english = keysByWord(*englishSection, [](const std::string& w) { return asciiLower(w); });
    std::map<std::string, std::set<std::string>> englishPeers;
    for (const auto& [word, keys] : english)
      for (const std::string& key : keys) englishPeers[key].insert(keys.begin(), keys.end());
    for (const auto& [word, keys] : keysByWord(section, folded)) {
      for (const std::string& key : keys) {
        for (const std::string& other : keys) {
          if (other == key) continue;
          EXPECT_TRUE(englishPeers[key].count(other))
              << section.name() << ": " << cp1250ToUtf8(word) << " names " << key << " and " << other;
        }
      }
    }
  }
}

TEST_F(SlovakDictionary, EventsAreOneWordEachAndDistinct) {
  std::set<std::string> seen;
  int events = 0;
  for (const TDEntry& entry : slovak_->section("dict")->entries()) {
    // English spells an event as its internal name: "on" and a capital.
    const std::string* english = english_->find("dict", entry.key);
    if (!english || english->size() < 3 || english->rfind("on", 0) != 0 || !std::isupper((*english)[2]))
      continue;
    ++events;
    EXPECT_EQ(wordsOf(entry.value).size(), 1u) << entry.key;
    EXPECT_TRUE(seen.insert(folded(entry.value)).second) << entry.key;
  }
  EXPECT_EQ(events, 46);
}

TEST_F(SlovakDictionary, ExtraSettersCarryTheSlovakSetPrefix) {
  for (const TDEntry& entry : slovak_->section("set")->entries())
    for (const std::string& word : wordsOf(entry.value)) EXPECT_EQ(word.rfind("nech", 0), 0u) << entry.key;
  for (const TDEntry& entry : slovak_->section("get")->entries())
    for (const std::string& word : wordsOf(entry.value)) EXPECT_NE(word.rfind("nech", 0), 0u) << entry.key;
}

// The placeholders of a message, in order of appearance and counted.
std::multiset<std::string> placeholdersOf(std::string_view text) {
  std::multiset<std::string> found;
  for (size_t at = text.find('#'); at != std::string_view::npos && at + 1 < text.size();
       at = text.find('#', at + 2))
    found.insert(std::string(text.substr(at, 2)));
  return found;
}

TEST(SlovakInterface, EveryErrorHasAMessageWithTheEnglishPlaceholders) {
  ASSERT_TRUE(selectInterfaceLanguage("english"));
  std::map<std::string, std::string> english;
  for (const char* name : kErrorNames)
    if (name) english[name] = interfaceLookup("errors", name);
  ASSERT_TRUE(selectInterfaceLanguage("slovak"));
  ASSERT_EQ(interfaceLanguage(), "slovak");
  int checked = 0;
  for (const auto& [name, englishText] : english) {
    SCOPED_TRACE(name);
    const std::string text = interfaceLookup("errors", name);
    ASSERT_FALSE(text.empty());
    // A message made of placeholders alone (a user's own error) stays as it is.
    if (englishText.size() > 2 * placeholdersOf(englishText).size()) {
      EXPECT_NE(text, englishText) << "not translated";
    }
    EXPECT_EQ(placeholdersOf(text), placeholdersOf(englishText));
    // A hint follows the headline exactly where English gives one.
    EXPECT_EQ(text.find("\r\n") != std::string::npos, englishText.find("\r\n") != std::string::npos);
    ++checked;
  }
  EXPECT_EQ(checked, 197);
  EXPECT_EQ(interfaceLookup("ErrorCaptions", "ipProc"), cp("Chyba v #P, riadok #L"));
  ASSERT_TRUE(selectInterfaceLanguage("english"));
}

}  // namespace
}  // namespace lx
