// Making and destroying objects: names chosen for new objects, init lists
// with their key kinds, the `create` procedure and `onCreate` handlers, and
// destruction taking along the heirs that came from an object.
#include <gtest/gtest.h>

#include "interp/thread_state.h"
#include "object_test_world.h"
#include "objects/container_object.h"
#include "objects/multi_object.h"
#include "objects/object_registry.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class Lifecycle : public testing::ObjectTest {};

TEST_F(Lifecycle, UnnamedObjectsAreNamedWithARunningCount) {
  logo.run("newclass [] \" [] newclass [] [] [] print lastname");
  EXPECT_EQ(take(), Names{"object1"});
  EXPECT_NE(object("object0"), nullptr);
  EXPECT_NE(object("object1"), nullptr);
}

TEST_F(Lifecycle, NewObjectsAreNamedByTheirClassPrefix) {
  logo.run(R"(newclass [] "ball [namePrefix b]
              new "ball [] new "ball [] new "ball [.name x7] new "ball [.name x7]
              newclass [] "plain [] new "plain []
              new "ball [name red] print lastname)");
  EXPECT_EQ(take(), Names{"red"});
  for (const char* name : {"b1", "b2", "x7", "x8", "object1", "red"})
    EXPECT_NE(object(name), nullptr) << name;
}

TEST_F(Lifecycle, InitListKeysSayWhatTheirValuesAre) {
  // A procedure text as a saved project writes it: a bar-quoted word whose
  // line breaks are written as the line-break mark.
  const std::string thrice =
      "|to thrice :x\xB6"
      "output :x * 3\xB6"
      "end|";
  logo.run(
      "newclass [] \"gadget [] new \"gadget [name g1 speed 3 common'shared 1 own'mine 2 "
      "event'onClick [print \"click] define'twice [[x] [output :x * 2]] procedure'thrice " +
      thrice + "]");
  logo.run("ask \"g1 [print speed print shared print mine print twice 4 print thrice 2 runevent \"onClick]");
  EXPECT_EQ(take(), (Names{"3", "1", "2", "8", "6", "click"}));
  tmultiobject& g1 = *object("g1");
  EXPECT_NE(g1.ownEventHandler(codeOf("onClick")), nullptr);
  EXPECT_NE(g1.procedures().findOrNull(codeOf("twice")), nullptr);
  EXPECT_NE(g1.procedures().findOrNull(codeOf("thrice")), nullptr);
}

TEST_F(Lifecycle, AKeyWithTooManyApostrophesIsRefused) {
  logo.run("newclass [] \"gadget []");
  EXPECT_EQ(logo.errorOf("new \"gadget [own'x'y 1]"), erWrongPrefix);
  EXPECT_EQ(logo.errorOf("new \"gadget [nonsense'x 1]"), erWrongPrefix);
  EXPECT_EQ(logo.errorOf("new \"gadget [define'sq []]"), erEmptyList);
  EXPECT_EQ(logo.errorOf("new \"gadget [event'notanevent [print 1]]"), erUnDefEvenet);
  // A failed object is not left behind.
  EXPECT_EQ(object("object1"), nullptr);
}

TEST_F(Lifecycle, CreateRunsBeforeTheInitListAndMayTakeItsParameters) {
  logo.run(R"(newclass [] "counter [
                define'create [[] [(print "create peekparam "initList "start) haveown "start2 getparam "initList "start]]]
              new "counter [name c1 start 5 other 6]
              ask "c1 [print start2 print other])");
  EXPECT_EQ(take(), (Names{"create 5", "5", "6"}));
  // The parameter taken by getparam is not applied as a variable.
  EXPECT_EQ(object("c1")->variables().findOrNull(codeOf("start")), nullptr);
}

TEST_F(Lifecycle, OnCreateHandlersRunMostBasicFirst) {
  logo.run(R"(newclass [] "base [event'onCreate [(print "base myname)]]
              newclass "base "derived [event'onCreate [(print "derived myname)]]
              new "derived [name d1])");
  EXPECT_EQ(take(), (Names{"base d1", "derived d1"}));
}

TEST_F(Lifecycle, ErasingAClassErasesItsObjectsAndTheirHeirs) {
  logo.run(R"(newclass [] "vehicle [define'destroy [[] [(print "bye myname)]]]
              newclass "vehicle "car []
              newclass [] "trailer []
              new "car [name c1]
              new "vehicle [name v1]
              ask "trailer [addBehaviour "vehicle]
              eraseobject "vehicle)");
  EXPECT_EQ(take(), (Names{"bye v1", "bye c1"}));
  EXPECT_EQ(object("vehicle"), nullptr);
  EXPECT_EQ(object("car"), nullptr);
  EXPECT_EQ(object("c1"), nullptr);
  // An object that only took it as a behaviour stays, without it.
  ASSERT_NE(object("trailer"), nullptr);
  EXPECT_TRUE(object("trailer")->behaviours().empty());
  EXPECT_EQ(logo.errorOf("ask \"c1 [print 1]"), erNoObject);
}

TEST_F(Lifecycle, ErasingAPlaceErasesWhatStandsInIt) {
  logo.run("newclass [] \"Room []");
  object("Room")->setInstanceFactory([] { return ObjectRef(new tcontainerobject); });
  logo.run(R"(new "Room [name hall] newclass [] "thing [define'destroy [[] [(print "bye myname)]]]
              new "thing [name cup myplace hall] new "thing [name plate]
              eraseobject "hall)");
  EXPECT_EQ(take(), Names{"bye cup"});
  EXPECT_EQ(object("hall"), nullptr);
  EXPECT_NE(object("plate"), nullptr);
  EXPECT_NE(object("thing"), nullptr);
}

TEST_F(Lifecycle, ReplacingANamedObjectDestroysTheOldOne) {
  logo.run(R"(newclass [] "note [own'text old]
              new "note [name n1] tell "n1)");
  ObjectRef old(object("n1"));
  logo.run("tell [] new \"note [name n1 text new] ask \"n1 [print text]");
  EXPECT_EQ(take(), Names{"new"});
  EXPECT_FALSE(old->alive());
  EXPECT_EQ(logo.errorOf("newclass \"note \"note []"), erLinkLoop);
  EXPECT_NE(object("note"), nullptr);
}

TEST_F(Lifecycle, ABusyObjectIsNotErased) {
  logo.run(R"(newclass [] "bomb [] new "bomb [name b1 define'explode [[] [eraseobject "b1]]])");
  EXPECT_EQ(logo.errorOf("b1'explode"), erEraseDesc);
  EXPECT_NE(object("b1"), nullptr);
}

TEST_F(Lifecycle, AProcedureOutlivesTheObjectsItErases) {
  // crash runs from the class car, which goes with vehicle while crash runs.
  logo.run(R"(newclass [] "vehicle []
              newclass "vehicle "car [define'crash [[] [eraseobject "vehicle print "after]]]
              new "car [name c1])");
  EXPECT_EQ(logo.errorOf("c1'crash"), erNoObject);  // c1 itself is gone: nothing runs as it
  EXPECT_EQ(object("car"), nullptr);
  EXPECT_TRUE(take().empty());
}

TEST_F(Lifecycle, OnlyControlClassesMakeObjects) {
  EXPECT_EQ(logo.errorOf("new \"nosuchclass []"), erNoObject);
  logo.run("new [] [name plain]");
  EXPECT_EQ(object("plain")->firstParent(), mainObject());
}

TEST_F(Lifecycle, TheMainObjectCannotBeErased) {
  EXPECT_EQ(logo.errorOf("eraseobject \"main"), erErasePersistent);
}

// The identity of an object: its links in the list of all objects in
// creation order, its serial, and the container whose table names it.
TEST_F(Lifecycle, TheListOfAllObjectsFollowsMakingErasingAndRenaming) {
  logo.run(R"(newclass [] "thing [] new "thing [name c1] new "thing [name c2] new "thing [name c3])");
  tmultiobject* c1 = object("c1");
  tmultiobject* c3 = object("c3");
  const ObjectRef c2(object("c2"));
  ASSERT_TRUE(c1 && c2 && c3);
  EXPECT_EQ(lastListedObject(), c3);
  EXPECT_EQ(c1->identity().next(), c2.get());
  EXPECT_EQ(c3->identity().previous(), c2.get());
  EXPECT_LT(c1->identity().creationSerial(), c2->identity().creationSerial());
  EXPECT_LT(c2->identity().creationSerial(), c3->identity().creationSerial());
  EXPECT_EQ(c2->identity().container(), mainObject());
  EXPECT_EQ(c2->identity().kind(), ObjectKind::Instance);
  EXPECT_EQ(object("thing")->identity().kind(), ObjectKind::Class);

  const size_t listed = objectCount();
  logo.run(R"(eraseobject "c2)");
  EXPECT_EQ(objectCount(), listed - 1);
  EXPECT_EQ(c1->identity().next(), c3);
  EXPECT_EQ(c3->identity().previous(), c1);
  EXPECT_EQ(c2->identity().next(), nullptr);
  EXPECT_EQ(c2->identity().previous(), nullptr);
  EXPECT_EQ(c2->identity().container(), nullptr);

  // A renamed object is found under its new name only, in the same place
  // of the list.
  c3->rename("c4");
  EXPECT_EQ(object("c3"), nullptr);
  EXPECT_EQ(object("c4"), c3);
  EXPECT_EQ(c3->name(), "c4");
  EXPECT_EQ(lastListedObject(), c3);
  EXPECT_THROW(c3->rename("c1"), eLogoException);  // 175: c1 has that name
  EXPECT_EQ(c3->name(), "c4");
}

TEST_F(Lifecycle, StoppingTheWorldDestroysEveryObject) {
  logo.run("newclass [] \"a [] new \"a [name a1] newclass \"a \"b []");
  ObjectRef a1(object("a1"));
  EXPECT_EQ(objectCount(), 4u);
  threadState().currentObject = nullptr;
  stopObjectModel();
  EXPECT_FALSE(a1->alive());
  EXPECT_EQ(objectCount(), 0u);
  EXPECT_EQ(a1->refCount, 1);  // only this test holds it now
  startObjectModel(registerObjectPrimitives);
}

}  // namespace
}  // namespace lx
