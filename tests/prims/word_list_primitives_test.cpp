// word, list, sentence with any number of inputs; parse and parselines.
#include "prims/word_list_primitives.h"

#include "prims/data_primitives_session.h"
#include "values/number.h"

namespace lx {
namespace {

using WordsAndLists = testing::DataPrimitivesTest;

TEST_F(WordsAndLists, WordJoinsTheCharactersOfItsInputs) {
  EXPECT_EQ(output("print word \"ab 12 print (word \"a \"b \"c \"true) show (word)"),
            "ab12\r\nabctrue\r\n||\r\n");
  EXPECT_EQ(output("show word \"a \"|b c|"), "|ab c|\r\n");
  // A joined word that reads as a number is one.
  EXPECT_EQ(output("print (word 1 2) + 1"), "13\r\n");
  ASSERT_EQ(errorOf("print word \"a [b]"), erExpectWord);
  EXPECT_EQ(lastError->value->showText(), "[b]");
}

TEST_F(WordsAndLists, ListKeepsItsInputsAsElements) {
  EXPECT_EQ(output("show list 1 [2 3] show (list \"a) show (list) show (list [] [] [])"),
            "[1 [2 3]]\r\n[a]\r\n[]\r\n[[] [] []]\r\n");
}

TEST_F(WordsAndLists, SentenceSplicesListInputsOneLevel) {
  EXPECT_EQ(output("show se 1 [2 [3]] show (sentence [] \"a [] [b c]) show (sentence)"),
            "[1 2 [3]]\r\n[a b c]\r\n[]\r\n");
}

TEST_F(WordsAndLists, ParseReadsThePrintFormBack) {
  EXPECT_EQ(output("show parse \"|a [b c] 1|"), "[a [b c] 1]\r\n");
  EXPECT_NE(as<tLogoInt>(valueOf("last parse \"|x 12|")), nullptr);
  // A list's print form loses the bars that held a word together.
  EXPECT_EQ(output("show parse [a |b c| [d]]"), "[a b c [d]]\r\n");
  EXPECT_EQ(output("show parse \""), "[]\r\n");
  EXPECT_EQ(errorOf("show parse \"|a [b|"), erMissingRBracket);
  EXPECT_EQ(errorOf("show parse \"|a ]|"), erExtraRBracket);
}

TEST_F(WordsAndLists, ParselinesGivesOneListPerLine) {
  // The byte 0xB6 inside a word stands for a line break.
  EXPECT_EQ(output("show parselines \"|a\xB6 b [c]  \xB6 d|"), "[[a] [b [c]] [d]]\r\n");
  EXPECT_EQ(output("show parselines \"one"), "[[one]]\r\n");
}

TEST_F(WordsAndLists, TheLanguagesAnyWordAndColourNames) {
  EXPECT_EQ(output("print any"), "any\r\n");
  EXPECT_EQ(output("print count lumaxiscolours"), "18\r\n");
  EXPECT_EQ(output("print first lumaxiscolours print item 6 lumaxiscolours print last lumaxiscolours"),
            "white\r\ndarkBlue\r\ngrey\r\n");
}

}  // namespace
}  // namespace lx
