// The window object: its pages in table order, showing, naming and erasing
// pages with their events, the page-list notification, objects made on the
// shown page, page commands passed on, maketurtle, and the main window's
// start-up steps and start-up procedure.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/main_window.h"
#include "graphics/turtle_object.h"
#include "graphics/window_object.h"
#include "graphics/window_page_choice.h"
#include "interp/procedure_definition.h"
#include "interp/scheduler.h"
#include "lang/dictionary.h"
#include "objects/object_scope.h"
#include "page_test_world.h"
#include "prims/control_primitives.h"
#include "prims/type_primitives.h"
#include "prims/variable_primitives.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

// The window tests' world: the page tests' world with the control and
// variable primitives, where objects are addressed wherever they stand.
class WindowWorld : public testing::PageTest {
 protected:
  WindowWorld() {
    tLogoTab& global = mainObject()->procedures();
    registerControlPrimitives(global);
    registerVariablePrimitives(global);
    registerTypePrimitives(global);
  }

  // An object in the main object, in a window or on a page of a window.
  tmultiobject* named(const std::string& name) {
    const NameCode code = codeOf(name);
    if (tmultiobject* top = mainObject()->child(code)) return top;
    tmultiobject* found = nullptr;
    mainObject()->children->forEach([&](tTabDesc& entry) {
      auto* window = dynamic_cast<tSplitwindow*>(asObject(static_cast<tLogoVarDesc&>(entry).value));
      if (!window || found) return;
      if ((found = window->child(code))) return;
      for (const std::string& page : window->pageNames())
        if (!found) found = window->pageNamed(codeOf(page))->child(code);
    });
    return found;
  }
  void runAs(const std::string& name, const std::string& text) {
    tmultiobject* object = named(name);
    ASSERT_NE(object, nullptr) << name;
    CurrentObjectScope as(threadState(), Value(object));
    logo.run(text);
  }
  errorConst errorAs(const std::string& name, const std::string& text) {
    tmultiobject* object = named(name);
    if (!object) return erNoObject;
    CurrentObjectScope as(threadState(), Value(object));
    return logo.errorOf(text);
  }
};

class Windows : public WindowWorld {
 protected:
  Windows() : window(makeMainWindow("")) {}

  void asWindow(const std::string& text) { runAs("MainWindow", text); }
  errorConst errorAsWindow(const std::string& text) { return errorAs("MainWindow", text); }
  std::string shownName() {
    tlogopage* page = window.currentPage();
    return page ? page->name() : std::string();
  }
  bool visible(tlogopage& page) { return page.surface()->window().visible(); }

  tSplitwindow& window;
};

TEST_F(Windows, ANewEmptyProjectHasOnePageWithOneTurtle) {
  EXPECT_EQ(mainWindow(), &window);
  EXPECT_EQ(window.pageNames(), Names{"page1"});
  EXPECT_EQ(shownName(), "page1");
  EXPECT_TRUE(visible(*window.currentPage()));
  tmultiobject* turtle = window.currentPage()->child(codeOf("t1"));
  ASSERT_NE(turtle, nullptr);
  EXPECT_NE(dynamic_cast<tTurtle*>(turtle), nullptr);
  logo.run("print :loading print empty? :loading");
  runAs("t1", "ask \"mypage [print myname] ask \"mywindow [print myname]");
  EXPECT_EQ(take(), (Names{"", "true", "page1", "MainWindow"}));
  EXPECT_NE(window.params.window, nullptr);
}

TEST_F(Windows, TheMainObjectReachesTheObjectsOfThePageShown) {
  logo.run("ask \"t1 [print myname] ask \"page1 [print myname] ask \"MainWindow [(newpage \"other)]");
  EXPECT_EQ(take(), (Names{"t1", "page1"}));
  EXPECT_EQ(logo.errorOf("ask \"t1 [print myname]"), erNoObject);  // page1 is no longer shown
  logo.run("ask \"page1 [print myname] ask \"MainWindow [showpage \"page1] ask \"t1 [print myname]");
  EXPECT_EQ(take(), (Names{"page1", "t1"}));
}

TEST_F(Windows, ShowingTheShownPageRaisesNoEvents) {
  asWindow("setevent \"onPagelistChanged [print \"changed]");
  runAs("page1", "setevent \"onShowPage [print \"shown] setevent \"onHidePage [print \"hidden]");
  asWindow("showpage \"page1 setactivepage \"page1");
  EXPECT_EQ(take(), Names{});
}

TEST_F(Windows, ShowingAnotherPageHidesTheOldOneWithItsEvents) {
  asWindow("(.newpage \"second)");
  EXPECT_EQ(shownName(), "page1");  // made hidden while page1 is shown
  runAs("page1", "setevent \"onHidePage [print \"hid.page1]");
  runAs("second", "setevent \"onShowPage [print \"showed.second]");
  asWindow("setevent \"onPagelistChanged [print \"changed]");
  asWindow("showpage \"second print activepage");
  // The handlers run as processes of their own, in no fixed order.
  logo.waitForProcesses();
  Names printed = take();
  std::sort(printed.begin(), printed.end());
  EXPECT_EQ(printed, (Names{"changed", "hid.page1", "second", "showed.second"}));
  EXPECT_FALSE(visible(*window.pageNamed(codeOf("page1"))));
  EXPECT_TRUE(visible(*window.currentPage()));
  EXPECT_EQ(errorAsWindow("showpage \"nosuch"), erPageNotExist);
}

TEST_F(Windows, NewpageWithAUsedNameFailsAndLeavesTheTableUnchanged) {
  asWindow("(newpage \"second)");
  EXPECT_EQ(errorAsWindow("(newpage \"page1)"), erNameExist);
  EXPECT_EQ(errorAsWindow("(newpage \"SECOND)"), erNameExist);
  EXPECT_EQ(window.pageNames(), (Names{"page1", "second"}));
  EXPECT_EQ(shownName(), "second");
  EXPECT_EQ(errorAsWindow("(newpage \"a \"b)"), erTooManyInputs);
  asWindow("newpage");  // a name chosen by the system
  EXPECT_EQ(window.pageNames(), (Names{"page1", "second", "page2"}));
  runAs("page2", "print size");
  EXPECT_EQ(take(), Names{"796 499"});
}

TEST_F(Windows, PagelistKeepsARenamedPagesPlace) {
  asWindow(
      "(newpage \"second) (newpage \"third) showpage \"second namepage \"middle print pagelist print "
      "activepage");
  EXPECT_EQ(take(), (Names{"page1 middle third", "middle"}));
  EXPECT_EQ(window.pageNamed(codeOf("second")), nullptr);
  EXPECT_EQ(window.pageNamed(codeOf("middle")), window.currentPage());
  // A page renamed another way (as its `name` property does) keeps its place too.
  named("third")->rename("last");
  asWindow("print pagelist");
  EXPECT_EQ(take(), Names{"page1 middle last"});
}

TEST_F(Windows, ErasingTheShownPageWithTheHighestCodeShowsTheLowest) {
  asWindow("(newpage \"zz.erase.a) (newpage \"zz.erase.b)");
  ASSERT_LT(codeOf("page1"), codeOf("zz.erase.b"));
  ASSERT_EQ(shownName(), "zz.erase.b");
  asWindow("erasepage \"zz.erase.b");
  EXPECT_EQ(shownName(), "page1");
  EXPECT_EQ(window.pageNames(), (Names{"page1", "zz.erase.a"}));
  EXPECT_EQ(named("zz.erase.b"), nullptr);
}

TEST_F(Windows, ErasingTheShownPageShowsTheHighestOfThoseAfterIt) {
  asWindow("(newpage \"zz.next.a) (newpage \"zz.next.b) showpage \"page1 erasepage \"page1");
  EXPECT_EQ(shownName(), "zz.next.b");
  // Erasing a page that is not shown keeps the page shown.
  asWindow("erasepage \"zz.next.a");
  EXPECT_EQ(shownName(), "zz.next.b");
  EXPECT_EQ(errorAsWindow("erasepage \"zz.next.b"), erEraseOnlyPage);
  EXPECT_EQ(errorAsWindow("eraseobject \"zz.next.b"), erEraseOnlyPage);
  EXPECT_EQ(window.pageCount(), 1u);
}

TEST_F(Windows, ThePageChoiceVisitsCodesInAscendingOrder) {
  EXPECT_EQ(pageToShowAfterErasing({30, 10, 20}, 30), 10u);
  EXPECT_EQ(pageToShowAfterErasing({30, 10, 20}, 10), 30u);
  EXPECT_EQ(pageToShowAfterErasing({30, 10, 20}, 20), 30u);
  EXPECT_EQ(pageToShowAfterErasing({5}, 5), 0u);
}

TEST_F(Windows, TwoQuickRenamesDuringOneNotificationGiveOneMoreEvent) {
  logo.run("make \"count 0");
  asWindow(
      "setevent \"onPagelistChanged [make \"count :count + 1 if :count = 1 [namepage \"quick.a namepage "
      "\"quick.b]]");
  asWindow("namepage \"start");
  logo.run("print :count");
  EXPECT_EQ(take(), Names{"2"});
  EXPECT_EQ(shownName(), "quick.b");
}

TEST_F(Windows, ControlsAreMadeOnTheShownPageAndPagesInTheWindow) {
  asWindow("new \"Turtle [name made.here] new \"Page [name made.page]");
  runAs("made.here", "ask \"myplace [print myname]");
  EXPECT_EQ(take(), Names{"page1"});
  EXPECT_EQ(window.pageNames(), (Names{"page1", "made.page"}));
  EXPECT_EQ(shownName(), "made.page");
  // Code on a page makes pages in its window, and windows in the main object.
  runAs("t1", "new \"Page [name from.turtle] new \"Window [name from.turtle.window]");
  EXPECT_EQ(window.pageNames(), (Names{"page1", "made.page", "from.turtle"}));
  EXPECT_NE(mainObject()->child(codeOf("from.turtle.window")), nullptr);
  // A window without pages has nowhere to put a control.
  logo.run("new \"Window [name bare]");
  EXPECT_NE(mainWindow(), nullptr);
  EXPECT_EQ(errorAs("bare", "new \"Turtle []"), erNoPageCreateObj);
  EXPECT_EQ(errorAs("bare", "maketurtle \"nowhere"), erNoPageCreateObj);
  EXPECT_EQ(errorAs("bare", "namepage \"x"), erNoCurPage);
  EXPECT_EQ(errorAs("bare", "clearscreen"), erNoCurPage);
  runAs("bare", "print pagelist print activepage");
  EXPECT_EQ(take(), (Names{"", ""}));
}

TEST_F(Windows, PageCommandsGoToTheShownPage) {
  asWindow("setbgcolour 4 print bgcolour setorigin [10 10] print upperleft print allturtles");
  EXPECT_EQ(take(), (Names{"4", "-10 10", "t1"}));
  EXPECT_EQ(window.currentPage()->surface()->origin(), (PixelPoint{10, 10}));
  // A command the page does not have is not found again through the window.
  EXPECT_EQ(errorAsWindow(".windowspos [1 2]"), erDoNotKnowHowTo);
}

TEST_F(Windows, MaketurtleMakesOrPlacesATurtle) {
  asWindow("maketurtle \"t5 (maketurtle \"t6 [[10 20] 90])");
  runAs("t6", "print pos print heading");
  EXPECT_EQ(take(), (Names{"10 20", "90"}));
  asWindow("(maketurtle \"t6 [30 40 180])");
  runAs("t6", "print pos print heading ask \"myplace [print myname]");
  EXPECT_EQ(take(), (Names{"30 40", "180", "page1"}));
  asWindow("new \"Pane [name notaturtle]");
  EXPECT_EQ(errorAsWindow("maketurtle \"notaturtle"), erTurtleName);
  EXPECT_EQ(errorAsWindow("(maketurtle)"), erNotEnoughInputs);
  EXPECT_EQ(errorAsWindow("(maketurtle \"t7 [1 2] 3)"), erTooManyInputs);
}

TEST_F(Windows, InertCommandsDoNothingAndPrintingIsRefused) {
  asWindow("showspeedbar hidespeedbar splitscreen graphicscreen textscreen setmenu [] cleartext");
  EXPECT_EQ(errorAsWindow("printgraphics 1"), erNoPrint);
  asWindow("setcaption \"Hello print caption maximize print windowstate restore print windowstate");
  EXPECT_EQ(take(), (Names{"Hello", "2", "0"}));
  EXPECT_EQ(window.params.window->title(), "Hello");
}

TEST_F(Windows, TheStartupProcedureRunsWithTheShownPageCurrent) {
  {
    InterpreterLockScope locked;  // as the loader that starts it holds it
    EXPECT_FALSE(window.startStartupProcedure());
    defineProcedure(window.procedures(), procedureFromText("to startup\nprint myname\nend"));
    EXPECT_TRUE(window.startStartupProcedure());
  }
  logo.waitForProcesses();  // "@startup" is a process of its own
  EXPECT_EQ(take(), Names{"page1"});
}

class StartingWindows : public WindowWorld {};

TEST_F(StartingWindows, AProjectToLoadGetsNoPageAndSetsLoading) {
  tSplitwindow& window = makeMainWindow("demo.lxp");
  EXPECT_EQ(window.pageCount(), 0u);
  logo.run("print :loading");
  EXPECT_EQ(take(), Names{"demo.lxp"});
  logo.run("new \"Window [name other]");  // not the first window: no start-up steps
  EXPECT_EQ(mainWindow(), &window);
  auto* other = dynamic_cast<tSplitwindow*>(named("other"));
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->pageCount(), 0u);
}

}  // namespace
}  // namespace lx
