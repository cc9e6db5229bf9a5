// The two name comparisons and the tables behind them.
#include "lang/name_comparison.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

class ComparisonMode : public ::testing::Test {
 protected:
  void TearDown() override { setNameComparisonMode(NameComparisonMode::Locale); }
};

// "Čaj" (tea) with a háček, and "ŽLUŤOUČKÝ" (yellow) with plain capitals.
const std::string kCaronC = "\xC8" "aj";
const std::string kYellowAccented = "\x9El" "u" "\x9D" "ou" "\xE8" "k" "\xFD";
const std::string kYellowPlain = "ZLUTOUCKY";

TEST_F(ComparisonMode, FoldMakesAccentedWordsEqualToPlainCapitals) {
  setNameComparisonMode(NameComparisonMode::Fold);
  EXPECT_TRUE(namesEqual(kYellowAccented, kYellowPlain));
  EXPECT_TRUE(namesEqual(kYellowAccented, "zlutoucky"));
  EXPECT_TRUE(namesEqual(kCaronC, "caj"));
  EXPECT_EQ(nameKey(kYellowAccented), nameKey(kYellowPlain));
  EXPECT_FALSE(namesEqual("abc", "abd"));
}

TEST_F(ComparisonMode, LocaleIgnoresCaseButNotDiacritics) {
  setNameComparisonMode(NameComparisonMode::Locale);
  EXPECT_TRUE(namesEqual("ABC", "abc"));
  EXPECT_FALSE(namesEqual(kCaronC, "caj"));
  EXPECT_FALSE(namesEqual(kYellowAccented, kYellowPlain));
  EXPECT_TRUE(namesEqual(kYellowAccented, "\x8EL" "U" "\x8DOU" "\xC8" "K" "\xDD"));
  EXPECT_EQ(nameKey("\x9A" "a"), nameKey("\x8A" "A"));
}

TEST_F(ComparisonMode, LocaleOrderPutsAccentedLettersAfterTheirBase) {
  setNameComparisonMode(NameComparisonMode::Locale);
  EXPECT_LT(compareNames("c", kCaronC), 0);
  EXPECT_LT(compareNames(kCaronC, "d"), 0);
  EXPECT_LT(compareNames("apple", "Banana"), 0);
  EXPECT_GT(compareNames("b", "A"), 0);
  EXPECT_LT(compareNames("ab", "abc"), 0);
}

TEST_F(ComparisonMode, ExactComparisonSeesLetterCase) {
  EXPECT_NE(compareExact("abc", "ABC"), 0);
  EXPECT_EQ(compareExact("abc", "abc"), 0);
}

TEST(AccentFreeText, KeepsCaseAndRemovesDiacritics) {
  EXPECT_EQ(removeAccents("\xE8\xC8\xBE\xF5\xA3\xB3 ok"), "cCloLl ok");
  EXPECT_EQ(upperCase("\xE8\x9A" "a"), "\xC8\x8A" "A");
}

}  // namespace
}  // namespace lx
