// Words: equality and order across classes, the two comparison modes, truth
// values, the "any" word, conversions and their errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/global_options.h"
#include "core/logo_exception.h"
#include "lang/coded_stream.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "platform/program_directory.h"
#include "values/arithmetic.h"
#include "values/comparison.h"
#include "values/pools.h"

namespace lx {
namespace {

Value word(const char* text) { return makeWord(text); }

TEST(WordEquality, TextWordsCompareWithoutLetterCase) {
  EXPECT_TRUE(word("ABC")->equals(*word("abc")));
  EXPECT_FALSE(word("ABC")->equalsExact(*word("abc")));
  EXPECT_TRUE(word("abc")->equalsExact(*word("abc")));
  EXPECT_FALSE(word("abc")->equals(*word("abcd")));
  EXPECT_TRUE(word("")->equals(*word("")));
}

TEST(WordEquality, AccentedWordsUnderBothModes) {
  const Value accented = word("\x9El" "u" "\x9D" "ou" "\xE8" "k" "\xFD");  // žluťoučký
  const Value plain = word("ZLUTOUCKY");
  setNameComparisonMode(NameComparisonMode::Fold);
  EXPECT_TRUE(makeWord("\x9El" "u" "\x9D" "ou" "\xE8" "k" "\xFD")->equals(*makeWord("ZLUTOUCKY")));
  setNameComparisonMode(NameComparisonMode::Locale);
  EXPECT_FALSE(accented->equals(*plain));
  EXPECT_TRUE(accented->equals(*word("\x8EL" "U" "\x8DOU" "\xC8" "K" "\xDD")));
}

TEST(WordEquality, NumbersCompareNumericallyWhateverTheirClass) {
  EXPECT_TRUE(makeInt(3)->equals(*word("3.0")));
  EXPECT_TRUE(word("3.0")->equals(*makeInt(3)));
  EXPECT_TRUE(word("007")->equals(*word("7")));
  EXPECT_TRUE(makeReal(2.5L)->equals(*word("2.5")));
  EXPECT_TRUE(makeInt(5)->equals(*divide(*makeInt(10), *makeInt(2))));
  EXPECT_FALSE(makeInt(5)->equals(*word("five")));
  // A real far beyond 32 bits compares as a real, without a range error.
  EXPECT_FALSE(makeInt(1)->equals(*makeReal(1e12L)));
  EXPECT_TRUE(makeReal(1e12L)->equals(*word("1E+12")));
  EXPECT_TRUE(makeInt(1)->notEquals(*word("2")));
}

TEST(WordEquality, BooleansEqualOnlyTruthValues) {
  EXPECT_TRUE(makeBool(true)->equals(*word("TRUE")));
  EXPECT_TRUE(word("true")->equals(*makeBool(true)));
  EXPECT_FALSE(makeBool(true)->equals(*makeInt(1)));
  EXPECT_FALSE(makeBool(false)->equals(*makeBool(true)));
}

TEST(WordOrder, NumbersNumericallyWordsByText) {
  EXPECT_TRUE(lessP(*word("9"), *word("10")));
  EXPECT_TRUE(lessP(*makeInt(-3), *makeReal(-2.5L)));
  EXPECT_TRUE(lessP(*word("apple"), *word("Banana")));
  EXPECT_TRUE(greaterP(*word("b"), *word("A")));
  EXPECT_TRUE(lessOrEqualP(*word("ABC"), *word("abc")));
  EXPECT_TRUE(greaterOrEqualP(*makeInt(2147483647), *word("2147483647")));
  // A number against a non-number word compares the texts.
  EXPECT_TRUE(lessP(*word("10"), *word("9a")));
  EXPECT_TRUE(lessP(*makeBool(false), *makeBool(true)));
}

TEST(Truth, WordsAndNumbers) {
  EXPECT_TRUE(word("true")->asBool());
  EXPECT_TRUE(word("True")->asBool());
  EXPECT_FALSE(word("false")->asBool());
  EXPECT_TRUE(word("\xB7other\xB7true")->asBool());
  EXPECT_TRUE(makeInt(1)->asBool());
  EXPECT_FALSE(makeInt(0)->asBool());
  EXPECT_FALSE(makeInt(-3)->asBool());
  EXPECT_FALSE(makeReal(-3.5L)->asBool());
  EXPECT_TRUE(makeReal(1.0L)->asBool());
  EXPECT_TRUE(word("2")->asBool());
  EXPECT_TRUE(word("true")->isBool());
  EXPECT_FALSE(word("yes")->isBool());
  EXPECT_THROW(word("maybe")->asBool(), eLogoException);
}

TEST(Truth, FractionsAreTrueWithTheirChance) {
  const Value half = makeReal(0.5L);
  int trues = 0;
  for (int i = 0; i < 2000; ++i) trues += half->asBool() ? 1 : 0;
  EXPECT_GT(trues, 800);
  EXPECT_LT(trues, 1200);
  const Value nearlyNever = word("0.001");
  int rare = 0;
  for (int i = 0; i < 2000; ++i) rare += nearlyNever->asBool() ? 1 : 0;
  EXPECT_LT(rare, 40);
}

TEST(Truth, BooleansPrintAsTheLanguageWords) {
  EXPECT_EQ(makeBool(true)->printText(), "true");
  EXPECT_EQ(makeBool(false)->printText(), "false");
  EXPECT_EQ(Value(new tLogoBool(true, "TRUE"))->printText(), "TRUE");
}

TEST(AnyWord, StandsForRandomNumbersAndTruths) {
  const Value any = word("ANY");
  EXPECT_TRUE(any->isAnyWord());
  EXPECT_FALSE(any->isNumber());
  for (int i = 0; i < 200; ++i) {
    const int32_t n = any->asInteger();
    EXPECT_TRUE(n >= 1 && n <= 100);
    const int32_t k = any->asIntegerIn(5, 7);
    EXPECT_TRUE(k >= 5 && k <= 7);
  }
  bool sawTrue = false, sawFalse = false;
  for (int i = 0; i < 200; ++i) (any->asBool() ? sawTrue : sawFalse) = true;
  EXPECT_TRUE(sawTrue && sawFalse);
  EXPECT_FALSE(word("anything")->isAnyWord());
}

TEST(Conversions, ErrorsCarryTheRangeAndValue) {
  try {
    word("300")->asIntegerIn(0, 255);
    FAIL();
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erMinMax);
    EXPECT_EQ(e.numberA, 0);
    EXPECT_EQ(e.numberB, 255);
    EXPECT_EQ(e.value->printText(), "300");
  }
  EXPECT_EQ(word("2.6")->asInteger(), 3);
  EXPECT_EQ(word("1e3")->asReal(), 1000.0L);
  EXPECT_TRUE(word("1.5")->isNumber());
  EXPECT_FALSE(word("1,5")->isNumber());
  EXPECT_TRUE(word("2147483648")->isNumber());
  EXPECT_FALSE(word("2147483648")->isInteger());
  EXPECT_TRUE(makeReal(4.0L)->isInteger());
  EXPECT_FALSE(makeReal(4.5L)->isInteger());
  EXPECT_THROW(makeBool(true)->asInteger(), eLogoException);
}

TEST(EmptyWord, IsNotANumberAndPrintsAsNothing) {
  const Value empty = word("");
  EXPECT_TRUE(empty->isEmpty());
  EXPECT_FALSE(empty->isNumber());
  EXPECT_EQ(empty->printText(), "");
  EXPECT_THROW(empty->asInteger(), eLogoException);
}

TEST(Names, WordsInternTheirTextOnce) {
  const Value a = word("Square");
  EXPECT_EQ(a->nameCode(), word("SQUARE")->nameCode());
  EXPECT_EQ(nameOf(makeInt(12)->nameCode()), "12");
  EXPECT_THROW(makeInt(1)->asIntegerIn(2, 3), eLogoException);
}

TEST(AnsiOption, PrintsTruthWordsWithoutAccents) {
  const auto folder = std::filesystem::temp_directory_path() / ("lx-ansi-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto saved = programDirectory();
  setProgramDirectory(folder);
  std::ofstream(folder / "accented.ldx", std::ios::binary) << encodeCoded("[other]\ntrue=\xE1no ano\nfalse=nie\n", 3);
  ASSERT_TRUE(selectLanguage("accented"));
  EXPECT_EQ(makeBool(true)->printText(), "\xE1no");
  globalOptions().ansi = true;
  EXPECT_EQ(makeBool(true)->printText(), "ano");
  EXPECT_EQ(makeBool(false)->printText(), "nie");
  globalOptions().ansi = false;
  EXPECT_TRUE(makeWord("ANO")->asBool());
  ASSERT_TRUE(selectLanguage("english"));
  setProgramDirectory(saved);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lx
