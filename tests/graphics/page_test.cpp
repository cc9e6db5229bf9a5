// Pages and panes as Logo objects: their names and sizes, properties,
// coordinates, the bg commands and their errors, cleaning and undo.
#include <gtest/gtest.h>

#include "graphics/undo_bitmap.h"
#include "page_test_world.h"
#include "values/reader.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class Pages : public testing::PageTest {
 protected:
  Pages() { logo.run("new \"Page []"); }
  ~Pages() override { undoBitmap().clearundo(); }
};

TEST_F(Pages, ANewPageIsPage1OfTheDefaultSizeWithTheOriginInItsMiddle) {
  ASSERT_NE(object("page1"), nullptr);
  runAs("page1",
        "print size print origin print upperleft print bgcolour print bglinewidth print bglinepattern");
  EXPECT_EQ(take(), (Names{"796 499", "398 249", "-398 249", "15", "1", "0"}));
  EXPECT_EQ(surfaceNamed("page1").window().clientWidth(), 796);
}

TEST_F(Pages, ASizeGivenAtCreationCentresTheOriginLaterSizesKeepIt) {
  logo.run("new \"Page [name small size [200 100]]");
  runAs("small", "print origin setsize [300 300] print origin print size setwidth 50 print size");
  EXPECT_EQ(take(), (Names{"100 50", "100 50", "300 300", "50 300"}));
  EXPECT_EQ(surfaceNamed("small").defaultRange(), (SurfaceRange{0, 49, 0, 299}));
}

TEST_F(Pages, TheOriginMovesPageCoordinates) {
  runAs("page1",
        "setorigin [0 0] print upperleft setbglinecolour 12 bgline [[5 5] [6 5]] print dotcolourat [5 -5]");
  EXPECT_EQ(take(), (Names{"0 0", "12"}));
  EXPECT_EQ(errorAs("page1", "setorigin 5"), erExpectList2);
  EXPECT_EQ(errorAs("page1", "setorigin [1 2 3]"), erExpectList2);
}

TEST_F(Pages, DotColourOutsideThePageIsTheBackgroundColour) {
  runAs("page1",
        "setbgcolour [1 2 3] print dotcolourat [-399 0] print dotcolourat [0 250] "
        "print dotcolourat [1e30 -1e30] print dotcolourat [0 0]");
  EXPECT_EQ(take(), (Names{"1 2 3", "1 2 3", "1 2 3", "1 2 3"}));
  EXPECT_EQ(errorAs("page1", "print dotcolourat 3"), erExpectList2);
}

TEST_F(Pages, SettingTheBackgroundColourCleansTheDrawingAndRaisesOnClean) {
  runAs("page1", "setevent \"onClean [print \"cleaned] bgfilledrectangle [0 0 50 50] setbgcolour \"red");
  EXPECT_EQ(take(), Names{"cleaned"});
  EXPECT_EQ(surfaceNamed("page1").pixelAt(10, 10), rgb(255, 0, 0));
  runAs("page1", "print bgcolour cleanbgpicture");
  EXPECT_EQ(take(), (Names{"12", "cleaned"}));
}

TEST_F(Pages, BgCommandsDrawWithTheLinePen) {
  runAs("page1",
        "setbglinecolour 9 bgline [10 10 20 0] bgfilledrectangle [100 100 10 10] "
        "bgrectangle [200 200 10 10] bgfilledellipse [300 300 20 20] bgfill [150 150]");
  const tgrScreen& surface = surfaceNamed("page1");
  const Rgb blue = rgb(0, 0, 255);
  EXPECT_EQ(surface.pixelAt(20, 10), blue);
  EXPECT_EQ(surface.pixelAt(105, 105), blue);
  EXPECT_EQ(surface.pixelAt(200, 205), blue);
  EXPECT_EQ(surface.pixelAt(205, 205), kWhite);  // an outline only
  EXPECT_EQ(surface.pixelAt(310, 310), blue);
  EXPECT_EQ(surface.pixelAt(700, 450), blue);    // the fill reached the whole white area
  EXPECT_EQ(surface.pixelAt(205, 205), kWhite);  // but not inside the closed outline
}

TEST_F(Pages, AnEmptyListDrawsNothing) {
  runAs("page1", "bgline [] bgrectangle [] bgfilledellipse [] bgellipsearc [] [1 2 3 4]");
  EXPECT_EQ(surfaceNamed("page1").pixelAt(0, 0), kWhite);
}

TEST_F(Pages, MalformedShapesRaiseTheirErrors) {
  EXPECT_EQ(errorAs("page1", "bgline [1 2 3]"), erExpectRect);
  EXPECT_EQ(errorAs("page1", "bgline [[1 2] 3]"), erExpectList);
  EXPECT_EQ(errorAs("page1", "bgline [[1 2] [3]]"), erExpectPoint);
  EXPECT_EQ(errorAs("page1", "bgrectangle [1 2 3 4 5]"), erExpectRect);
  EXPECT_EQ(errorAs("page1", "bgellipse \"x"), erExpectList);
  EXPECT_EQ(errorAs("page1", "bgfill [1]"), erExpectList2);
  EXPECT_EQ(errorAs("page1", "setbglinepattern 7"), erMinMax);
  EXPECT_EQ(errorAs("page1", "setbglinecolour 16"), erMinMax);
  EXPECT_EQ(errorAs("page1", "savebgpicture \"x.png"), erNoSave);
  EXPECT_EQ(errorAs("page1", "printme"), erNoPrint);
  EXPECT_EQ(errorAs("page1", "loadbgpicture []"), erExpectImage);
}

TEST_F(Pages, DotsOfRadiusZeroAllLandOnThePoint) {
  runAs("page1", "setbglinecolour 0 bgdots [40 40] 25 0");
  const tgrScreen& surface = surfaceNamed("page1");
  EXPECT_EQ(surface.pixelAt(40, 40), 0u);
  EXPECT_EQ(surface.pixelAt(41, 40), kWhite);
  EXPECT_EQ(surface.pixelAt(40, 41), kWhite);
}

TEST_F(Pages, DotsStayWithinTheirRadius) {
  runAs("page1", "bgdots [100 100] 500 5");
  const tgrScreen& surface = surfaceNamed("page1");
  int inside = 0;
  for (int y = 90; y <= 110; ++y)
    for (int x = 90; x <= 110; ++x) {
      if (surface.pixelAt(x, y) != 0) continue;
      EXPECT_LE((x - 100) * (x - 100) + (y - 100) * (y - 100), 25) << x << "," << y;
      ++inside;
    }
  EXPECT_GT(inside, 40);
}

TEST_F(Pages, TwoUndosLeaveTheDrawingAsBeforeTheFirst) {
  runAs("page1",
        "bgfilledrectangle [0 0 20 20] saveforundo setbglinecolour 12 bgfilledrectangle [0 0 10 10]");
  const tgrScreen& surface = surfaceNamed("page1");
  runAs("page1", "undodrawing");
  EXPECT_EQ(surface.pixelAt(5, 5), 0u);
  runAs("page1", "undodrawing");
  EXPECT_EQ(surface.pixelAt(5, 5), rgb(255, 0, 0));
  EXPECT_EQ(surface.pixelAt(15, 15), 0u);
}

TEST_F(Pages, ErasingThePageUndoObjectClearsUndo) {
  logo.run("new \"Page [name other] ask \"other [saveforundo]");
  EXPECT_EQ(undoBitmap().undoObject(), &surfaceNamed("other"));
  logo.run("eraseobject \"other");
  EXPECT_EQ(undoBitmap().undoObject(), nullptr);
}

TEST_F(Pages, AnyGivesARandomWidthAndPattern) {
  mainObject()->globals().setValue(codeOf("anypenwidth"), readList("4 6"));
  runAs("page1", "setbglinewidth \"any setbglinepattern \"any");
  const Pen pen = surfaceNamed("page1").linePen();
  EXPECT_GE(pen.width, 4);
  EXPECT_LE(pen.width, 6);
  EXPECT_NE(pen.style, PenStyle::Clear);
}

TEST_F(Pages, ThePagesVoiceMenuIsAListEmptyUntilSet) {
  runAs("page1", "print voicemenu setvoicemenu [hello [print 1]] print voicemenu");
  EXPECT_EQ(take(), (Names{"", "hello [print 1]"}));
  EXPECT_EQ(errorAs("page1", "setvoicemenu \"x"), erExpectList);
  // Pages have no showme or hideme of their own.
  EXPECT_EQ(errorAs("page1", "showme"), erDoNotKnowHowTo);
}

TEST_F(Pages, APaneIsADrawingAreaShownOnItsPage) {
  runAs("page1", "new \"Pane [name p1 apos [20 30]]");
  runAs("page1", "ask \"p1 [print size print origin setbgcolour 9 print apos setpos [-100 100] print apos]");
  EXPECT_EQ(take(), (Names{"100 100", "50 50", "20 30", "298 149"}));
  const PixelBuffer& page = shown("page1");
  EXPECT_EQ(page.pixel(300, 150), rgb(0, 0, 255));
  EXPECT_EQ(page.pixel(397, 248), rgb(0, 0, 255));
  EXPECT_EQ(page.pixel(25, 35), kWhite);
  // The pane's drawing is its own: the page's stays white.
  EXPECT_EQ(surfaceNamed("page1").pixelAt(300, 150), kWhite);
}

TEST_F(Pages, ALoadedPaneWithoutABackgroundColourTakesItsVariables) {
  logo.run("newclass \"Pane \"Panel [own'bgcolour1 15 own'bgcolour2 12]");
  runAs("page1", ".new. \"Panel [name p1] .new. \"Panel [name p2 bgcolour 9] new \"Panel [name p3]");
  runAs("page1", "print ask \"p1 [bgcolour] print ask \"p2 [bgcolour] print ask \"p3 [bgcolour]");
  // p1: bgcolour1 is the white it has already, so bgcolour2 (red) counts;
  // p2 was given its own; p3 was made by a program, not loaded.
  EXPECT_EQ(take(), (Names{"12", "9", "15"}));
}

TEST_F(Pages, ErasingAPageTakesItsPanesWithIt) {
  runAs("page1", "new \"Pane [name p1]");
  logo.run("eraseobject \"page1");
  EXPECT_EQ(object("page1"), nullptr);
}

}  // namespace
}  // namespace lx
