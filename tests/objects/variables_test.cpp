// Variables of objects: own variables copied into heirs, common ones
// shared, their accessor procedures, and `set`, `get`, `haveown`,
// `havecommon` along the chain.
#include <gtest/gtest.h>

#include "object_test_world.h"
#include "objects/multi_object.h"
#include "objects/property_table.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class Variables : public testing::ObjectTest {
 protected:
  Variables() {
    logo.run(R"(newclass [] "animal [own'legs 4 common'herd 0]
                new "animal [name a1]
                new "animal [name a2])");
  }
  std::string valueIn(const std::string& object, const std::string& variable) {
    return this->object(object)->valueOfVariable(codeOf(variable))->printText();
  }
};

TEST_F(Variables, OwnVariablesAreCopiedAndCommonOnesShared) {
  logo.run("ask \"a1 [setlegs 3 setherd 5] ask \"a2 [print legs print herd]");
  EXPECT_EQ(take(), (Names{"4", "5"}));
  EXPECT_EQ(valueIn("a1", "legs"), "3");
  EXPECT_EQ(valueIn("animal", "herd"), "5");
  EXPECT_NE(object("a1")->variables().findOrNull(codeOf("legs")), nullptr);
  EXPECT_EQ(object("a1")->variables().findOrNull(codeOf("herd")), nullptr);
}

TEST_F(Variables, AccessorsLiveInTheClassThatMadeTheVariable) {
  tmultiobject& animal = *object("animal");
  EXPECT_NE(animal.procedures().findOrNull(codeOf("legs")), nullptr);
  EXPECT_NE(animal.procedures().findOrNull(codeOf("setlegs")), nullptr);
  EXPECT_EQ(object("a1")->procedures().findOrNull(codeOf("legs")), nullptr);
}

TEST_F(Variables, ANewOwnVariableReachesTheHeirsThatLackIt) {
  logo.run(R"(ask "a1 [haveown "colour "red]
              ask "animal [haveown "colour "brown havecommon "habitat "field]
              ask "a1 [print colour] ask "a2 [print colour print habitat])");
  EXPECT_EQ(take(), (Names{"red", "brown", "field"}));
  EXPECT_EQ(object("a2")->variables().findOrNull(codeOf("habitat")), nullptr);
  // Later heirs get the class's own variables when they are made.
  logo.run("new \"animal [name a3] ask \"a3 [print colour print legs]");
  EXPECT_EQ(take(), (Names{"brown", "4"}));
}

TEST_F(Variables, TheInitListGivesAnInstanceItsOwnValue) {
  logo.run("new \"animal [name spider legs 8] ask \"spider [print legs]");
  EXPECT_EQ(take(), Names{"8"});
  EXPECT_EQ(valueIn("animal", "legs"), "4");
}

TEST_F(Variables, SetAndGetWorkAlongTheChain) {
  logo.run(R"(ask "a1 [set "legs 6 set "herd 9 print get "legs]
              ask "animal [print get "legs print get "herd])");
  EXPECT_EQ(take(), (Names{"6", "4", "9"}));
  EXPECT_EQ(logo.errorOf("ask \"a1 [set \"wings 2]"), erUndefObjVar);
  EXPECT_EQ(logo.errorOf("ask \"a1 [print get \"wings]"), erUndefObjVar);
  EXPECT_EQ(logo.errorOf("ask \"a1 [print wings]"), erDoNotKnowHowTo);
  EXPECT_EQ(logo.errorOf("print get \"legs"), erUndefObjVar);
}

TEST_F(Variables, BadNamesAreRefused) {
  EXPECT_EQ(logo.errorOf("haveown \" 1"), erEmptyWord);
  EXPECT_EQ(logo.errorOf("havecommon \" 1"), erEmptyWord);
  EXPECT_EQ(logo.errorOf("ask \"a1 [haveown \"3 1]"), erWrongVarName);
  EXPECT_EQ(object("a1")->variables().findOrNull(codeOf("3")), nullptr);
}

TEST_F(Variables, AnAccessorNeverHidesAProcedure) {
  logo.run("ask \"a1 [haveown \"count 5 print get \"count print count [x y]]");
  EXPECT_EQ(take(), (Names{"5", "2"}));
}

TEST_F(Variables, TheMainObjectsVariablesAreTheGlobalOnes) {
  logo.run("haveown \"score 10 print :score ask \"a1 [print score setscore 11] print :score");
  EXPECT_EQ(take(), (Names{"10", "10", "11"}));
  EXPECT_EQ(&globalVariables(), &mainObject()->variables());
  EXPECT_EQ(&globalProcedures(), &mainObject()->procedures());
}

TEST_F(Variables, ErasingKeepsPropertiesAndTakesTheAccessors) {
  tmultiobject& animal = *object("animal");
  animal.eraseVariable(codeOf("legs"));
  EXPECT_EQ(animal.procedures().findOrNull(codeOf("legs")), nullptr);
  EXPECT_EQ(animal.procedures().findOrNull(codeOf("setlegs")), nullptr);
  // Every instance has a key menu of its own, which is a property.
  try {
    object("a1")->eraseVariable(propertyRow(176).nameCode);
    FAIL() << "a property was erased";
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erCantEraseSetting);
  }
}

}  // namespace
}  // namespace lx
