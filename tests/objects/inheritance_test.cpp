// Inheritance: the linearised chains with the keep-last rule, procedures
// found along them, behaviours added and removed, and inheritance in a
// circle refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "interp/scheduler.h"
#include "object_test_world.h"
#include "objects/multi_object.h"
#include "objects/object_codes.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

template <class Table>
Names ownersOf(const std::vector<Table*>& chain) {
  Names names;
  for (const Table* table : chain) names.push_back(static_cast<tmultiobject*>(table->ownerObject)->name());
  return names;
}

Names namesOf(const tlogoobjectlist& objects) {
  Names names;
  for (const ObjectRef& object : objects) names.push_back(object->name());
  return names;
}

class Inheritance : public testing::ObjectTest {
 protected:
  // The diamond: A and B both made from C, D made from A and B.
  void makeDiamond() {
    logo.run(R"(newclass [] "C [define'hello [[] [print "C]] define'base [[] [print "base]]]
                newclass "C "A [define'hello [[] [print "A]]]
                newclass "C "B [define'hello [[] [print "B]] define'only.b [[] [print "onlyB]]]
                newclass [A B] "D [])");
  }
};

TEST_F(Inheritance, ANewClassWithoutParentsHasTheMainObjectAlone) {
  logo.run("newclass [] \"lonely []");
  EXPECT_EQ(namesOf(object("lonely")->parents()), Names{"main"});
  EXPECT_TRUE(mainObject()->parents().empty());
  EXPECT_EQ(ownersOf(object("lonely")->tables().procedureChain()), (Names{"lonely", "main"}));
}

TEST_F(Inheritance, TheDiamondSearchesTheSharedClassAfterBothHeirs) {
  makeDiamond();
  tmultiobject& d = *object("D");
  EXPECT_EQ(ownersOf(d.tables().procedureChain()), (Names{"D", "A", "B", "C", "main"}));
  EXPECT_EQ(ownersOf(d.tables().variableChain()), (Names{"D", "A", "B", "C", "main"}));
  EXPECT_EQ(ownersOf(d.tables().eventChain()), (Names{"D", "A", "B", "C", "main"}));
  EXPECT_EQ(namesOf(d.ancestors()), (Names{"A", "B", "C", "main"}));
  logo.run("ask \"D [hello only.b base]");
  EXPECT_EQ(take(), (Names{"A", "onlyB", "base"}));
}

TEST_F(Inheritance, AnInstanceFindsItsClassThenItsPlace) {
  makeDiamond();
  logo.run("new \"D [name d1]");
  tmultiobject& d1 = *object("d1");
  EXPECT_EQ(d1.place(), mainObject());
  // The main object is both the root class and the place: it comes last, once.
  EXPECT_EQ(ownersOf(d1.tables().procedureChain()), (Names{"d1", "D", "A", "B", "C", "main"}));
}

// The occasions' procedures are looked up in the own table and the
// founding parents only; the ancestors follow the full chain's order.
TEST_F(Inheritance, TheOwnProcedureChainLeavesOutBehavioursAndThePlace) {
  makeDiamond();
  logo.run(R"(newclass [] "loud [] new "D [name d1] ask "d1 [.addbehaviour "loud])");
  tmultiobject& d1 = *object("d1");
  EXPECT_EQ(ownersOf(d1.tables().ownProcedureChain()), (Names{"d1", "D", "A", "B", "C", "main"}));
  EXPECT_EQ(ownersOf(d1.tables().procedureChain()), (Names{"d1", "loud", "D", "A", "B", "C", "main"}));
  EXPECT_EQ(namesOf(d1.ancestors()), (Names{"loud", "D", "A", "B", "C", "main"}));
  EXPECT_EQ(&d1.chainFor(objectCodes().create), &d1.tables().ownProcedureChain());
}

TEST_F(Inheritance, BehavioursComeAfterTheOwnTableAndBeforeTheFoundingParents) {
  makeDiamond();
  logo.run(R"(newclass [] "loud [define'hello [[] [print "loud]] define'base [[] [print "loudbase]]]
              ask "B [addBehaviour "loud])");
  EXPECT_EQ(namesOf(object("B")->behaviours()), Names{"loud"});
  EXPECT_EQ(ownersOf(object("B")->tables().procedureChain()), (Names{"B", "loud", "C", "main"}));
  // D's chain was rebuilt too: B brings its behaviour along.
  EXPECT_EQ(ownersOf(object("D")->tables().procedureChain()), (Names{"D", "A", "B", "loud", "C", "main"}));
  logo.run("ask \"B [hello base print mybehaviours] ask \"D [base]");
  EXPECT_EQ(take(), (Names{"B", "loudbase", "loud", "loudbase"}));
  logo.run("ask \"B [removeBehaviour \"loud base] ask \"D [base]");
  EXPECT_EQ(take(), (Names{"base", "base"}));
  EXPECT_EQ(ownersOf(object("D")->tables().procedureChain()), (Names{"D", "A", "B", "C", "main"}));
}

TEST_F(Inheritance, AddingAParentTwiceChangesNothing) {
  makeDiamond();
  logo.run("ask \"A [addBehaviour \"C addBehaviour \"B addBehaviour \"B]");
  EXPECT_EQ(namesOf(object("A")->parents()), (Names{"C", "B"}));
  EXPECT_EQ(object("B")->heirs().size(), 2u);  // D and A
}

// The heirs of an object are back-links: each heir stands there once for
// each link it has (a parent, the place), and leaves with the link, so
// they never hold an object that let go of it.
Names heirNamesOf(const tmultiobject& object) {
  Names names;
  for (const tmultiobject* heir : object.heirs()) names.push_back(heir->name());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(Inheritance, HeirsFollowEveryLinkAndLeaveWithIt) {
  makeDiamond();
  logo.run("newclass [] \"E [] ask \"E [addBehaviour \"B]");
  EXPECT_EQ(heirNamesOf(*object("B")), (Names{"D", "E"}));
  object("D")->graph().checkInvariants(*object("D"));
  logo.run("ask \"E [removeBehaviour \"B]");
  EXPECT_EQ(heirNamesOf(*object("B")), Names{"D"});
  const ObjectRef d(object("D"));
  logo.run("eraseobject \"D");
  EXPECT_TRUE(object("B")->heirs().empty());
  EXPECT_TRUE(object("A")->heirs().empty());
  EXPECT_TRUE(d->parents().empty());
  EXPECT_EQ(d->firstParentCount(), 0u);
  EXPECT_EQ(heirNamesOf(*object("C")), (Names{"A", "B"}));
  // A place and a parent both: listed twice, once for each link.
  logo.run("newclass [] \"P [] (newobject [P] \"inside [])");
  tmultiobject* inside = mainObject()->child(codeOf("inside"));
  ASSERT_NE(inside, nullptr);
  InterpreterLockScope locked;
  inside->setPlace(object("P"));
  EXPECT_EQ(heirNamesOf(*object("P")), (Names{"inside", "inside"}));
  inside->graph().checkInvariants(*inside);
  inside->setPlace(mainObject());
  EXPECT_EQ(heirNamesOf(*object("P")), Names{"inside"});
}

TEST_F(Inheritance, InheritanceInACircleIsRefusedAndLeavesTheParents) {
  makeDiamond();
  EXPECT_EQ(logo.errorOf("ask \"C [addBehaviour \"D]"), erLinkLoop);
  EXPECT_EQ(namesOf(object("C")->parents()), Names{"main"});
  EXPECT_EQ(ownersOf(object("C")->tables().procedureChain()), (Names{"C", "main"}));
  EXPECT_EQ(ownersOf(object("D")->tables().procedureChain()), (Names{"D", "A", "B", "C", "main"}));
  EXPECT_EQ(logo.errorOf("ask \"A [addBehaviour \"A]"), erLinkLoop);
  EXPECT_EQ(namesOf(object("A")->parents()), Names{"C"});
  logo.run("ask \"D [hello]");
  EXPECT_EQ(take(), Names{"A"});
}

TEST_F(Inheritance, AFoundingParentCannotBeRemoved) {
  makeDiamond();
  EXPECT_EQ(logo.errorOf("ask \"D [removeBehaviour \"A]"), erNotFoundObj);
  EXPECT_EQ(logo.lastError->value->printText(), "A");
  EXPECT_EQ(namesOf(object("D")->parents()), (Names{"A", "B"}));
}

TEST_F(Inheritance, BehaviourEventsRunAsTheObjectThatChanges) {
  logo.run(R"(newclass [] "sticker [own'glue 5
                 event'onAddBehaviour [(print "added myname)]
                 event'onDeleteBehaviour [(print "removed myname)]]
              newclass [] "box [own'glue 1]
              newclass [] "plain []
              ask "box [addBehaviour "sticker]
              ask "plain [addBehaviour "sticker print glue]
              ask "plain [removeBehaviour "sticker])");
  EXPECT_EQ(take(), (Names{"added box", "added plain", "5", "removed plain"}));
  // The behaviour's variables are copied in, except those the object had.
  EXPECT_EQ(object("box")->valueOfVariable(codeOf("glue"))->printText(), "1");
  // `.addbehaviour` neither copies nor tells.
  logo.run("newclass [] \"quiet [] ask \"quiet [.addbehaviour \"sticker]");
  EXPECT_TRUE(take().empty());
  EXPECT_EQ(object("quiet")->variables().findOrNull(codeOf("glue")), nullptr);
}

TEST_F(Inheritance, QuestionsAboutTheFamily) {
  makeDiamond();
  logo.run(R"(new "D [name d1]
              ask "C [print descendants print parent?]
              ask "d1 [print parent? print is? "C print is? "d1]
              print is? "C
              print class? "C print class? "d1 print object? "d1 print object? "nobody)");
  EXPECT_EQ(take(),
            (Names{"A B D d1", "true", "false", "true", "true", "false", "true", "false", "true", "false"}));
}

}  // namespace
}  // namespace lx
