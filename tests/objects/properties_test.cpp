// Properties: the table of property codes and their localized names, and
// properties of a control class read and set by code, by any of their
// names, from init lists and from the values a project load holds.
#include <gtest/gtest.h>

#include "object_test_world.h"
#include "objects/control_prototype.h"
#include "objects/pending_load_values.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "platform/message_box.h"
#include "values/pools.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

Names spelled(const std::vector<NameCode>& codes) {
  Names names;
  for (NameCode code : codes) names.push_back(nameOf(code));
  return names;
}

class Properties : public testing::ObjectTest {
 protected:
  Properties() : gadget(new tLogoFinalControlPrototype) {
    gadget->init("Gadget", {});
    mainObject()->enterChild(*gadget);
  }
  ~Properties() override { pendingLoadValues().clear(); }

  ObjectRef gadget;
};

TEST_F(Properties, EveryNameOfAPropertyIsAGetterAndEverySetNameASetter) {
  EXPECT_EQ(spelled(propertyGetterCodes(47)), (Names{"pencolour", "pencolor", "pc"}));
  EXPECT_EQ(spelled(propertySetterCodes(47)), (Names{"setpencolour", "setpencolor", "setpc"}));
  EXPECT_EQ(spelled(propertyGetterCodes(14)), (Names{"colour", "color"}));
  EXPECT_EQ(spelled(propertySetterCodes(40)), (Names{"setheading", "seth"}));
  EXPECT_EQ(propertyRow(132).synonyms, Names{".name"});
  EXPECT_FALSE(isPropertyCode(29));
  EXPECT_FALSE(isPropertyCode(185));
  EXPECT_EQ(propertyRow(2).nameCode, propertyRow(42).nameCode);  // xcor of two kinds of objects
  EXPECT_EQ(propertyCodeNamed(codeOf("color")), 14);
  EXPECT_EQ(canonicalPropertyName(codeOf("COLOR")), codeOf("colour"));
  EXPECT_EQ(canonicalPropertyName(codeOf("legs")), codeOf("legs"));
}

TEST_F(Properties, EveryNameTheObjectModelUsesIsInTheDictionary) {
  clearShownMessages();
  startObjectModel(registerObjectPrimitives);
  ObjectRef prototype(new tLogoFinalControlPrototype);
  prototype->init("Gadget", {});
  for (int code = 0; code <= kLastPropertyCode; ++code) {
    if (!isPropertyCode(code)) continue;
    EXPECT_EQ(nameOf(propertyRow(code).nameCode).find('@'), std::string::npos) << code;
  }
  EXPECT_TRUE(shownMessages().empty()) << shownMessages().front().text;
  EXPECT_EQ(globalProcedures().findOrNull(codeOf("@ask@")), nullptr);
  destroyObject(*prototype);
}

TEST_F(Properties, AControlClassDeclaresTheCommonProperties) {
  tmultiobject& prototype = *gadget;
  for (const char* name : {"apos", "pos", "size", "hint", "enabled", "shown", "frozen", "sethint", "setshown",
                           "showme", "hideme", ".setpos", "isfrozen?", "mousepos", "setmousepos"})
    EXPECT_NE(prototype.procedures().findOrNull(codeOf(name)), nullptr) << name;
  // `frozen` is read-only: there is no command to set it.
  EXPECT_EQ(prototype.procedures().findOrNull(codeOf("setfrozen")), nullptr);
  EXPECT_NE(dynamic_cast<tPseudoVarPrototype*>(prototype.variables().variable(propertyRow(10).nameCode)),
            nullptr);
}

TEST_F(Properties, PropertiesAreSetByCodeAndByLocalizedName) {
  logo.run(R"(new "Gadget [name g1 hint hello 10 false]
              ask "g1 [print hint print shown sethint "bye print hint showme print shown
                       print isfrozen? freezeme print frozen .setpos [3 4] print pos])");
  EXPECT_EQ(take(), (Names{"hello", "false", "bye", "true", "false", "true", "3 4"}));
  tmultiobject& g1 = *object("g1");
  EXPECT_EQ(readProperty(g1, 8)->printText(), "bye");
  writeProperty(g1, 1, readProperty(g1, 4));
  logo.run("ask \"g1 [print apos print get \"apos]");
  EXPECT_EQ(take(), (Names{"3 4", "3 4"}));
  EXPECT_EQ(logo.errorOf("ask \"g1 [setfrozen \"true]"), erDoNotKnowHowTo);
  EXPECT_EQ(logo.errorOf("ask \"g1 [.setpos 5]"), erExpectedXY);
  EXPECT_EQ(logo.errorOf("ask \"g1 [setpos [1 2 3]]"), erExpectedXY);
  // A plain object has none of these properties.
  logo.run("newclass [] \"plain []");
  EXPECT_EQ(readProperty(*object("g1"), 10)->printText(), "true");
  EXPECT_THROW(readProperty(*object("plain"), 10), eLogoException);
}

TEST_F(Properties, SettingAPropertyMarksItToBeSaved) {
  logo.run("new \"Gadget [name g1]");
  const tLogoVarDesc* keyMenu = object("g1")->variables().variable(propertyRow(176).nameCode);
  ASSERT_NE(keyMenu, nullptr);
  EXPECT_TRUE(keyMenu->flags & kNotSavedUntilSet);
  logo.run("ask \"g1 [setkeymenu [f1 [print 1]] print keymenu]");
  EXPECT_EQ(take(), Names{"f1 [print 1]"});
  EXPECT_FALSE(keyMenu->flags & kNotSavedUntilSet);
}

TEST_F(Properties, ObjectsMadeDuringALoadTakeTheirPendingValues) {
  gadget->setMoveParams({8});
  PendingLoadValues& pending = pendingLoadValues();
  pending.add("Hint", makeWord("loaded"));
  pending.add("SHOWN", makeBool(false));
  pending.add("keyMenu", makeWord("keys"));
  logo.run(".new. \"Gadget [name g2] ask \"g2 [print hint print shown print keymenu]");
  EXPECT_EQ(take(), (Names{"loaded", "false", "keys"}));
  EXPECT_EQ(pending.peek(8), nullptr);  // taken once
  EXPECT_EQ(pending.peek(176), nullptr);
  // Any localized name of a property finds its value.
  pending.add("color", makeWord("red"));
  EXPECT_EQ(pending.take(14)->printText(), "red");
  EXPECT_EQ(pending.take(14), nullptr);
}

}  // namespace
}  // namespace lx
