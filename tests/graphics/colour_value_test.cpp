// Colour inputs (palette numbers, [r g b] lists, names with shades, any)
// and colour outputs in the forms `colourstyle` selects.
#include "graphics/colour_value.h"

#include <gtest/gtest.h>

#include "page_test_world.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/reader.h"

namespace lx {
namespace {

class Colours : public testing::PageTest {
 protected:
  static errorConst errorOf(const Value& value) {
    try {
      colourOf(value);
    } catch (const eLogoException& e) {
      return e.code;
    }
    return erUnexpected;
  }
  void setGlobal(const char* name, Value value) {
    mainObject()->globals().setValue(codeOf(name), std::move(value));
  }
};

TEST_F(Colours, NumbersListsAndNamesGiveTheirColours) {
  EXPECT_EQ(colourOf(makeInt(12)), rgb(255, 0, 0));
  EXPECT_EQ(colourOf(makeInt(7)), rgb(192, 192, 192));
  EXPECT_EQ(colourOf(readList("1 2 3")), rgb(1, 2, 3));
  EXPECT_EQ(colourOf(makeWord("red")), rgb(255, 0, 0));
  EXPECT_EQ(colourOf(makeWord("RED")), colourOf(makeWord("red6")));
  EXPECT_EQ(colourOf(makeWord("blue1")), rgb(0, 0, 0x28));
  EXPECT_EQ(colourOf(makeWord("darkBlue12")), rgb(0xE8, 0xE0, 0xFF));
  EXPECT_EQ(colourOf(makeWord("gray")), colourOf(makeWord("grey")));
  EXPECT_EQ(colourOf(makeWord("white")), kWhite);
  // A special name with a shade is that shade of the grey family.
  EXPECT_EQ(colourOf(makeWord("white3")), rgb(0x38, 0x38, 0x38));
  EXPECT_EQ(colourOf(makeWord("[10 20 30]")), rgb(10, 20, 30));
  EXPECT_EQ(colourOf(makeWord("[10 x]")), 0u);
}

TEST_F(Colours, BadColoursRaiseTheirErrors) {
  EXPECT_EQ(errorOf(makeWord("red13")), erMinMax);
  EXPECT_EQ(errorOf(makeWord("red0")), erMinMax);
  EXPECT_EQ(errorOf(makeWord("red99999999999999")), erMinMax);
  EXPECT_EQ(errorOf(makeWord("mauve")), erColorWrongName);
  EXPECT_EQ(errorOf(makeInt(16)), erMinMax);
  EXPECT_EQ(errorOf(readList("1 2")), erExpectColors);
  EXPECT_EQ(errorOf(readList("1 2 300")), erMinMax);
  EXPECT_EQ(errorOf(readList("1 a 3")), erExpectColors);
}

TEST_F(Colours, ColourStyleChoosesHowColoursAreOutput) {
  EXPECT_EQ(colourValue(rgb(255, 0, 0))->printText(0), "12");
  EXPECT_EQ(colourValue(rgb(1, 2, 3))->printText(0), "1 2 3");
  setGlobal("colourstyle", makeInt(2));
  EXPECT_EQ(colourValue(rgb(255, 0, 0))->printText(0), "255 0 0");
  setGlobal("colorstyle", makeInt(1));  // either spelling
  setGlobal("colourstyle", nullptr);
  EXPECT_EQ(colourValue(rgb(255, 0, 0))->printText(0), "red");
  EXPECT_EQ(colourValue(rgb(0xFF, 0x40, 0x40))->printText(0), "red7");
  EXPECT_EQ(colourValue(rgb(1, 2, 3))->printText(0), "1 2 3");
}

TEST_F(Colours, AnyColourFollowsTheAnycolourVariable) {
  seedRandom(7);
  setGlobal("anycolour", makeInt(1));
  for (int i = 0; i < 20; ++i) {
    const Rgb colour = colourOf(makeWord("any"));
    EXPECT_TRUE(colour == 0 || colour == kWhite) << colour;
  }
  setGlobal("anycolour", makeInt(2));
  for (int i = 0; i < 20; ++i) EXPECT_LE(colourOf(makeWord("any")), rgb(0, 0, 128));
  setGlobal("anycolour", readList("red [1 2 3]"));
  for (int i = 0; i < 20; ++i) {
    const Rgb colour = colourOf(makeWord("any"));
    EXPECT_TRUE(colour == rgb(255, 0, 0) || colour == rgb(1, 2, 3)) << colour;
  }
}

}  // namespace
}  // namespace lx
