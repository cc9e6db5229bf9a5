// Reaching objects by name: object prefixes (`a'b'proc`, `'proc`), the
// inherited procedure through `usual'`, an object's default action, the
// pseudo-names, and the "#n" numbers of a project being loaded.
#include <gtest/gtest.h>

#include "object_test_world.h"
#include "objects/container_object.h"
#include "objects/object_registry.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class Names_ : public testing::ObjectTest {
 protected:
  // A class "Room" whose objects can hold other objects.
  void makeRoomClass() {
    logo.run("newclass [] \"Room [define'describe [[] [print \"room]]]");
    object("Room")->setInstanceFactory([] { return ObjectRef(new tcontainerobject); });
  }
};

TEST_F(Names_, PrefixesWalkFromObjectToObject) {
  makeRoomClass();
  logo.run(R"(newclass [] "furniture [define'describe [[] [(print "furniture myname)]]]
              new "Room [name hall]
              new "furniture [name chair myplace hall]
              hall'chair'describe hall'describe)");
  EXPECT_EQ(take(), (Names{"furniture chair", "room"}));
  EXPECT_EQ(object("chair"), nullptr);  // it is the hall's, not the main object's
  EXPECT_EQ(logo.errorOf("chair'describe"), erNoObject);
  EXPECT_EQ(logo.lastError->primName, "chair");
  // From inside the hall the chair is a plain name.
  logo.run("ask \"hall [chair'describe]");
  EXPECT_EQ(take(), Names{"furniture chair"});
}

TEST_F(Names_, AnApostropheAloneNamesTheMainObject) {
  logo.define("hello", {}, "print \"global");
  logo.run(R"(newclass [] "polite [define'hello [[] [print "own]]]
              new "polite [name p1]
              ask "p1 [hello 'hello] p1'hello)");
  EXPECT_EQ(take(), (Names{"own", "global", "own"}));
}

TEST_F(Names_, UsualCallsTheInheritedProcedureUpTheChain) {
  logo.run(R"(newclass [] "base [define'greet [[] [print "base]]]
              newclass "base "middle [define'greet [[] [print "middle usual'greet]]]
              newclass "middle "top [define'greet [[] [print "top usual'greet]]]
              new "top [name t1 define'greet [[] [print "t1 usual'greet]]]
              ask "t1 [greet] t1'greet top'greet)");
  EXPECT_EQ(take(),
            (Names{"t1", "top", "middle", "base", "t1", "top", "middle", "base", "top", "middle", "base"}));
}

TEST_F(Names_, UsualFollowsTheLinearisedDiamond) {
  logo.run(R"(newclass [] "C [define'm [[] [print "C]]]
              newclass "C "A [define'm [[] [print "A usual'm]]]
              newclass "C "B [define'm [[] [print "B usual'm]]]
              newclass [A B] "D [define'm [[] [print "D usual'm]]]
              D'm)");
  EXPECT_EQ(take(), (Names{"D", "A", "B", "C"}));
}

TEST_F(Names_, UsualNeedsSomethingToInherit) {
  EXPECT_EQ(logo.errorOf("usual'print 1"), erUsual);
  logo.run("newclass [] \"solo [define'alone [[] [usual'alone]]]");
  EXPECT_EQ(logo.errorOf("solo'alone"), erDoNotKnowHowTo);
  // A behaviour's procedure reaches the class's through usual'.
  logo.run(R"(newclass [] "shy [define'speak [[] [print "shy]]]
              newclass [] "bold [define'speak [[] [print "bold usual'speak]]]
              new "shy [name s1]
              ask "s1 [addBehaviour "bold speak])");
  EXPECT_EQ(take(), (Names{"bold", "shy"}));
}

TEST_F(Names_, AnObjectNamedAsACommandRunsItsDefaultAction) {
  logo.run(R"(newclass [] "bell [define'defaultaction [[] [(print "ring myname)]]]
              new "bell [name b1]
              b1 ask "b1 [receiver])");
  EXPECT_EQ(take(), (Names{"ring b1", "ring b1"}));
  logo.run("newclass [] \"mute [] new \"mute [name m1]");
  EXPECT_EQ(logo.errorOf("m1"), erDoNotKnowHowTo);
}

TEST_F(Names_, PseudoNamesNameObjectsRelativeToTheCurrentOne) {
  makeRoomClass();
  logo.run(R"(new "Room [name hall]
              newclass [] "thing []
              new "thing [name cup myplace hall]
              hall'cup'ask "receiver [print myparent'myname print myplace'myname print receiver'myname]
              print lastobject'myname)");
  EXPECT_EQ(take(), (Names{"thing", "hall", "cup", "cup"}));
  EXPECT_EQ(logo.errorOf("hall'cup'mywindow'myname"), erNotInsideWin);
  EXPECT_EQ(logo.errorOf("hall'cup'mypage'myname"), erNotInsidePage);
  EXPECT_EQ(logo.errorOf("activetoolbutton'myname"), erNoActiveToolbutton);
  EXPECT_EQ(logo.errorOf("myplace'myname"), erNoMyplace);
  EXPECT_EQ(logo.errorOf("myparent'myname"), erNoObject);
  EXPECT_EQ(logo.errorOf("thing'myplace'myname"), erNoMyplace);
}

TEST_F(Names_, NumbersCountTheObjectsOfTheLoadThatRuns) {
  logo.run("newclass [] \"before []");
  beginProjectLoad();
  logo.run(R"(newclass [] "first []
              newclass [] "second []
              print #1'myname print #2'myname)");
  EXPECT_EQ(take(), (Names{"first", "second"}));
  EXPECT_EQ(logo.errorOf("print #3'myname"), erMisspaced);
  beginProjectLoad();  // a nested load counts from the outermost one
  logo.run("newclass [] \"third [] print #3'myname");
  endProjectLoad();
  endProjectLoad();
  EXPECT_EQ(take(), Names{"third"});
  EXPECT_FALSE(projectLoadRunning());
}

}  // namespace
}  // namespace lx
