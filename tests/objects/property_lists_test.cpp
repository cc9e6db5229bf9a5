// Property lists: pairs put, replaced and removed, lists that disappear
// with their last pair, and names compared without blanks and letter case.
#include <gtest/gtest.h>

#include "object_test_world.h"
#include "objects/main_object.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class PropertyLists : public testing::ObjectTest {};

TEST_F(PropertyLists, PairsArePutReplacedAndRead) {
  logo.run(R"(pprop "fruit "colour "red pprop "fruit "size 3 pprop "fruit "colour [dark red]
              print plist "fruit print gprop "fruit "colour print gprop "fruit "weight print gprop "nothing "x
              print props)");
  EXPECT_EQ(take(), (Names{"colour [dark red] size 3", "dark red", "", "", "fruit"}));
}

TEST_F(PropertyLists, TheEmptyListRemovesAPairAndTheLastPairTheList) {
  logo.run(R"(pprop "a "x 1 pprop "b "y 2 pprop "a "x [] print props
              pprop "c "z [] print props print plist "c
              remprop "b "y print props)");
  EXPECT_EQ(take(), (Names{"b", "b", "", ""}));
}

TEST_F(PropertyLists, ARemovedPairLeavesTheOthersInOrder) {
  logo.run(R"(pprop "l "a 1 pprop "l "b 2 pprop "l "c 3 remprop "l "b pprop "l "d 4 pprop "l "b 5
              print plist "l remprop "l "nothing remprop "none "a print plist "l)");
  EXPECT_EQ(take(), (Names{"a 1 c 3 d 4 b 5", "a 1 c 3 d 4 b 5"}));
}

TEST_F(PropertyLists, SetplistTakesPairsAndIgnoresALastOddItem) {
  logo.run(R"(pprop "p "old 1 setplist "p [a 1 b [2 3] c] print plist "p
              setplist "p [] print props
              setplist "q [lonely] print props)");
  EXPECT_EQ(take(), (Names{"a 1 b [2 3]", "", ""}));
}

TEST_F(PropertyLists, NamesIgnoreSurroundingBlanksAndLetterCase) {
  logo.run(
      R"(pprop "|  Shelf | "|Top | 1 print gprop "shelf "TOP pprop "SHELF "top 2 print plist "shelf print props)");
  EXPECT_EQ(take(), (Names{"1", "Top 2", "Shelf"}));
}

TEST_F(PropertyLists, TheListingNamesEveryPair) {
  logo.run("pprop \"box \"w 3 pprop \"box \"h [1 2] pprop \"bag \"x \"y");
  EXPECT_EQ(mainObject()->propertyLists.listing(), (Names{"box w is 3", "box h is [1 2]", "bag x is y"}));
}

}  // namespace
}  // namespace lx
