// The turtles of a page as Logo sees them: their names in drawing order,
// `reorder`, `overlappedpos`, `allof`, and `clearscreen` sending them home.
#include <gtest/gtest.h>

#include <memory>

#include "fake_graphic.h"
#include "objects/control_prototype.h"
#include "page_test_world.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;
using testing::FakeGraphic;

// Page1 with four stand-in turtles a, b, c, d (lowest first) made from a
// control class `Critter`, and one auxiliary graphic between b and c.
class TurtleOrder : public testing::PageTest {
 protected:
  TurtleOrder() : critter(new tLogoFinalControlPrototype) {
    critter->init("Critter", {});
    mainObject()->enterChild(*critter);
    logo.run("new \"Page []");
    surface = &surfaceNamed("page1");
    int x = 0;
    for (const char* name : {"a", "b", "c", "d"}) {
      runAs("page1", std::string("new \"Critter [name ") + name + "]");
      auto turtle = std::make_unique<FakeGraphic>(PixelRect{x, 0, 20, 20}, 0);
      turtle->object = object("page1")->asContainer()->child(codeOf(name));
      surface->registerGraphic(*turtle);
      if (x == 10) surface->registerGraphic(frame);
      turtles.push_back(std::move(turtle));
      x += 10;
    }
    frame.rect = {0, 0, 5, 5};
  }
  ~TurtleOrder() override {
    for (auto& turtle : turtles) surface->unregisterGraphic(*turtle);
    surface->unregisterGraphic(frame);
  }

  // The whole list, the frame as "*".
  Names order() {
    Names names;
    for (tSurfaceGraphic* g : surface->graphics().snapshot())
      names.push_back(g == &frame ? "*" : g->graphicObject()->name());
    return names;
  }

  ObjectRef critter;
  tgrScreen* surface = nullptr;
  std::vector<std::unique_ptr<FakeGraphic>> turtles;
  struct Frame : FakeGraphic {
    Frame() : FakeGraphic({}, 0) {}
    GraphicKind graphicKind() const override { return GraphicKind::Auxiliary; }
  } frame;
};

TEST_F(TurtleOrder, AllTurtlesNamesTheOrdinaryTurtlesLowestFirst) {
  runAs("page1", "print allturtles");
  EXPECT_EQ(take(), Names{"a b c d"});
  EXPECT_EQ(order(), (Names{"a", "b", "*", "c", "d"}));
}

TEST_F(TurtleOrder, AWordBringsThatTurtleToTheTop) {
  runAs("page1", "reorder \"B");
  EXPECT_EQ(order(), (Names{"a", "c", "*", "d", "b"}));
}

TEST_F(TurtleOrder, AListOrdersTheNamedTurtlesAndTheOthersFollow) {
  runAs("page1", "reorder [d b]");
  EXPECT_EQ(order(), (Names{"d", "b", "*", "a", "c"}));
}

TEST_F(TurtleOrder, TheEmptySubListStandsForTheTurtlesNotNamed) {
  runAs("page1", "reorder [c [] [a b]]");
  EXPECT_EQ(order(), (Names{"c", "d", "*", "a", "b"}));
  // Naming a turtle twice keeps the order a permutation.
  runAs("page1", "reorder [a a [b]]");
  EXPECT_EQ(order(), (Names{"a", "b", "*", "c", "d"}));
}

TEST_F(TurtleOrder, UnknownNamesChangeNothing) {
  EXPECT_EQ(errorAs("page1", "reorder [a zebra]"), erTurtleUnknown);
  EXPECT_EQ(errorAs("page1", "reorder [a 5 [x]]"), erTurtleUnknown);
  EXPECT_EQ(order(), (Names{"a", "b", "*", "c", "d"}));
}

TEST_F(TurtleOrder, OverlappedPosNamesTheShapesCoveringAPagePoint) {
  // Pixel (12, 5) is inside a (0..19) and b (10..29), but only the left
  // half of a stand-in's rectangle is its shape.
  runAs("page1", "print overlappedpos [-386 244] print overlappedpos [-393 244] print overlappedpos [0 0]");
  EXPECT_EQ(take(), (Names{"b", "a", ""}));
  EXPECT_EQ(errorAs("page1", "print overlappedpos 1"), erExpectList2);
}

TEST_F(TurtleOrder, AllOfNamesThePagesObjectsOfAClass) {
  runAs("page1", "print allof \"Critter print allof \"Page");
  EXPECT_EQ(take(), (Names{"a b c d", ""}));
}

TEST_F(TurtleOrder, ClearScreenSendsEveryTurtleHomeAndCleans) {
  runAs("page1", "bgfilledrectangle [0 0 10 10] clearscreen");
  for (auto& turtle : turtles) EXPECT_EQ(turtle->homes, 1);
  EXPECT_EQ(surface->pixelAt(5, 5), kWhite);
}

}  // namespace
}  // namespace lx
