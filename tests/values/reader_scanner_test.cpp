// The reader: signs and operators, quotes, bars and escapes, numbers and
// their spellings, true and false words, brackets and their errors, line
// breaks, lines mode, token lines, and bad input of every size.
#include "values/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_test_support.h"
#include "values/boolean.h"
#include "values/number.h"
#include "values/string_word.h"

namespace lx {
namespace {

using namespace lx::testing;

// The print forms of the values read, one string each; lists in brackets.
std::vector<std::string> tokens(std::string_view text) {
  std::vector<std::string> out;
  const Ref<tLogoList> list = read(text);
  for (const Value& v : *list) out.push_back(v->printText(1));
  return out;
}

using Words = std::vector<std::string>;

TEST(ReaderSigns, MinusIsASignOnlyAfterASeparator) {
  EXPECT_EQ(tokens("a -1"), (Words{"a", "-1"}));
  EXPECT_TRUE(as<tLogoInt>(read("a -1")->rest()->element()));
  EXPECT_EQ(tokens("a-1"), (Words{"a", "-", "1"}));
  EXPECT_EQ(tokens("[-1]"), (Words{"[-1]"}));
  EXPECT_EQ(as<tLogoInt>(L(read1("[-1]")).element())->value, -1);
  EXPECT_EQ(tokens("(-1)"), (Words{"(", "-", "1", ")"}));
  EXPECT_EQ(tokens("3 -1"), (Words{"3", "-1"}));
  EXPECT_EQ(tokens("3-1"), (Words{"3", "-", "1"}));
  EXPECT_EQ(tokens("3 - 1"), (Words{"3", "-", "1"}));
  EXPECT_EQ(tokens("+5 a"), (Words{"+5", "a"}));
  EXPECT_EQ(as<tLogoInt>(read1("+5"))->value, 5);
  EXPECT_EQ(tokens("x\r\n-2"), (Words{"x", "-2"}));  // a line break separates
}

TEST(ReaderOperators, ComparisonPairsAndSingleCharacters) {
  EXPECT_EQ(tokens("<= <> >="), (Words{"<=", "<>", ">="}));
  EXPECT_EQ(tokens("=<"), (Words{"=", "<"}));
  EXPECT_EQ(tokens("><"), (Words{">", "<"}));
  EXPECT_EQ(tokens("a*b/c;d=e"), (Words{"a", "*", "b", "/", "c", ";", "d", "=", "e"}));
  EXPECT_EQ(tokens("a<b"), (Words{"a", "<", "b"}));
}

TEST(ReaderQuotes, AQuoteTakesTheNextCharacterWhateverItIs) {
  EXPECT_EQ(tokens("\"abc+d"), (Words{"\"abc", "+", "d"}));
  EXPECT_EQ(tokens("\"+"), (Words{"\"+"}));
  EXPECT_EQ(tokens("\"(a"), (Words{"\"(a"}));
  EXPECT_EQ(tokens("[a \"]"), (Words{"[a \"]"}));  // a bracket ends a lone quote
  EXPECT_EQ(tokens("\" x"), (Words{"\"", "x"}));
  EXPECT_EQ(tokens("\"|a b|"), (Words{"\"a b"}));
  EXPECT_EQ(tokens("a\"b"), (Words{"a", "\"b"}));
  EXPECT_EQ(tokens("\"5"), (Words{"\"5"}));
  EXPECT_FALSE(read1("\"5")->isNumber());
}

TEST(ReaderEscapes, BarsBackslashesAndCodes) {
  EXPECT_EQ(read1("ab|c d|e")->wordText(), "abc de");
  EXPECT_EQ(read1("\\[")->wordText(), "[");
  EXPECT_EQ(read1("a\\ b")->wordText(), "a b");
  EXPECT_EQ(read1("\\65.x")->wordText(), "Ax");
  EXPECT_EQ(read1("\\65x")->wordText(), "Ax");
  EXPECT_EQ(read1("\\300")->wordText(), std::string(1, '\x1E'));  // the third digit would pass 255
  EXPECT_EQ(read1("\\2551")->wordText(), "\xFF");
  EXPECT_EQ(read1("\\0.1")->wordText(), std::string("\0" "1", 2));
  EXPECT_EQ(read1("|[a]\r\n|")->wordText(), "[a]\r");
  EXPECT_EQ(read1("a\\")->wordText(), "a");  // a backslash at the very end escapes nothing
  EXPECT_EQ(read1("|abc")->wordText(), "abc");  // an open bar ends with the text
  EXPECT_EQ(read1("\\\xB6")->wordText(), "\xB6");
}

TEST(ReaderEscapes, LineBreakMarkInsideAWordIsACarriageReturn) {
  const Value word = read1("one\xB6two");
  EXPECT_EQ(word->wordText(), "one\rtwo");
  EXPECT_EQ(word->showText(), "one\xB6two");
  EXPECT_EQ(word->printText(), "one\r\ntwo");
  EXPECT_EQ(read1("\xB6")->wordText(), "\r");
  EXPECT_EQ(read1("\"\xB6")->wordText(), "\"\r");
}

TEST(ReaderNumbers, NumbersKeepTheirSpelling) {
  const Value e5 = read1("1e5");
  ASSERT_TRUE(as<tLogoReal>(e5));
  EXPECT_EQ(as<tLogoReal>(e5)->value, 100000.0L);
  EXPECT_EQ(e5->printText(), "1e5");
  EXPECT_EQ(read1("007")->printText(), "007");
  EXPECT_EQ(as<tLogoInt>(read1("007"))->value, 7);
  EXPECT_EQ(read1("3.10")->printText(), "3.10");
  EXPECT_EQ(as<tLogoReal>(read1("-2.5E-3"))->value, -0.0025L);
  EXPECT_TRUE(as<tLogoReal>(read1("2147483648")));  // beyond 32 bits
  EXPECT_TRUE(as<tLogoReal>(read1("1.")));
}

TEST(ReaderNumbers, MalformedNumbersAreWords) {
  for (const char* text : {"12abc", "1,5", "1e", "1e+", "1.2.3", "1e5x", "1e99999", "12\\3", "1|2|"}) {
    SCOPED_TRACE(text);
    const Value v = read1(text);
    EXPECT_TRUE(as<tLogoString>(v));
  }
  EXPECT_EQ(read1("12\\3")->wordText(), std::string("12\x03", 3));
  EXPECT_EQ(read1("1|2|")->wordText(), "12");
  EXPECT_EQ(tokens("12\"x"), (Words{"12", "\"x"}));
  EXPECT_EQ(tokens("1e5-2"), (Words{"1e5", "-", "2"}));
}

TEST(ReaderWords, TrueAndFalseWordsBecomeBooleansWithTheirSpelling) {
  const Value yes = read1("TRUE");
  ASSERT_TRUE(as<tLogoBool>(yes));
  EXPECT_TRUE(yes->asBool());
  EXPECT_EQ(yes->printText(), "TRUE");
  ASSERT_TRUE(as<tLogoBool>(read1("false")));
  EXPECT_FALSE(read1("false")->asBool());
  EXPECT_TRUE(as<tLogoString>(read1("|true x|")));
}

TEST(ReaderWords, OnlyAnUnescapedMarkNamesALocalizedWord) {
  EXPECT_EQ(read1("\xB7" "forward")->wordText(), "forward");
  EXPECT_EQ(read1("\\\xB7" "forward")->wordText(), "\xB7" "forward");
  EXPECT_EQ(read1("|\xB7" "forward|")->wordText(), "\xB7" "forward");
  EXPECT_TRUE(as<tLogoBool>(read1("\xB7true")));
}

TEST(ReaderWords, ControlCharactersAndNulReadAsSpaces) {
  EXPECT_EQ(tokens(std::string("a\tb\x01" "c\0d", 7)), (Words{"a", "b", "c", "d"}));
}

TEST(ReaderBrackets, NestingAndUnbalancedBrackets) {
  EXPECT_EQ(shown(read("a [b [c []] d] e")), "a [b [c []] d] e");
  EXPECT_EQ(errorOf([] { read("a [b"); }), erMissingRBracket);
  EXPECT_EQ(errorOf([] { read("a [b [c] d"); }), erMissingRBracket);
  EXPECT_EQ(errorOf([] { read("a ] b"); }), erExtraRBracket);
  EXPECT_EQ(errorOf([] { read("[a]]"); }), erExtraRBracket);
  EXPECT_EQ(shown(readList("a [b [c", ReadMode::Sequence, OpenBrackets::CloseAtEnd)), "a [b [c]]");
  EXPECT_EQ(errorOf([] { readList("a ] b", ReadMode::Sequence, OpenBrackets::CloseAtEnd); }),
            erExtraRBracket);
  // Closing at the end is the one read's choice: the next read is strict.
  EXPECT_EQ(errorOf([] { read("a [b"); }), erMissingRBracket);
}

TEST(ReaderBrackets, DeepNestingNeitherRecursesNorLeaks) {
  const size_t depth = 100000;
  EXPECT_EQ(errorOf([&] { read(std::string(depth, '[')); }), erMissingRBracket);
  const Ref<tLogoList> balanced = read(std::string(depth, '[') + "x" + std::string(depth, ']'));
  EXPECT_EQ(shown(balanced).size(), 2 * depth + 1);
  EXPECT_TRUE(balanced->equals(*read(shown(balanced))));
  const Ref<tLogoList> closed =
      readList(std::string(depth, '['), ReadMode::Sequence, OpenBrackets::CloseAtEnd);
  EXPECT_EQ(shown(closed), std::string(depth, '[') + std::string(depth, ']'));
}

TEST(ReaderLines, LineBreaksCountAndSeparate) {
  EXPECT_EQ(tokens("a\r\nb\nc\rd"), (Words{"a", "b", "c", "d"}));
  EXPECT_EQ(tokens("a\r\n\nb"), (Words{"a", "b"}));
  const std::string text = "fd 10\r\nrt [90\r\n45]\nbk 5";
  EXPECT_EQ(lineOfToken(text, 1), 1);
  EXPECT_EQ(lineOfToken(text, 2), 1);
  EXPECT_EQ(lineOfToken(text, 3), 2);
  EXPECT_EQ(lineOfToken(text, 5), 3);
  EXPECT_EQ(lineOfToken(text, 6), 4);
  EXPECT_EQ(lineOfToken(text, 8), -1);
  EXPECT_EQ(lineOfToken(text, 0), -1);
  EXPECT_EQ(lineOfToken("|a\r\nb| c", 2), 1);  // a break inside bars is part of the word
}

TEST(ReaderLines, LinesModeGivesOneListPerLine) {
  EXPECT_EQ(read("x\r\ny")->count(), 2u);
  const Ref<tLogoList> body = readList("  \r\n fd 10\r\n\r\nrt 90\nbk [1 2]\r\n \r\n", ReadMode::Lines);
  EXPECT_EQ(body->showText(1), "[[fd 10] [] [rt 90] [bk [1 2]]]");
  EXPECT_EQ(readList("", ReadMode::Lines)->showText(1), "[[]]");
  EXPECT_EQ(errorOf([] { readList("a [b\r\nc]", ReadMode::Lines); }), erMissingRBracket);
}

}  // namespace
}  // namespace lx
