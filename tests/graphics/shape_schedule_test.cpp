// The animation schedule: plans run in the order they fall due, and plans
// of a page that is not shown wait with the time they had left.
#include "graphics/shape_schedule.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

// Records when it advanced; always asks for the next cell `every` ms later.
struct Counting : AnimatedShape {
  Counting(const void* page, uint64_t every) : page(page), every(every) {}
  std::optional<uint64_t> advanceCell() override {
    ++advanced;
    return every;
  }
  const void* animationPage() const override { return page; }
  const void* page;
  uint64_t every;
  int advanced = 0;
};

TEST(ShapeSchedule, PlansRunWhenDueAndPlanTheirNextCell) {
  ShapeSchedule schedule;
  int pageA = 0;
  Counting fast(&pageA, 10), slow(&pageA, 100);
  schedule.plan(fast, 10, 0);
  schedule.plan(slow, 100, 0);
  EXPECT_EQ(schedule.nextDue(), 10u);
  for (uint64_t now = 0; now <= 100; now += 5) schedule.runDue(now);
  EXPECT_EQ(fast.advanced, 10);
  EXPECT_EQ(slow.advanced, 1);
  EXPECT_EQ(schedule.nextDue(), 110u);
  schedule.drop(fast);
  EXPECT_EQ(schedule.nextDue(), 200u);
  EXPECT_FALSE(schedule.planned(fast));
}

TEST(ShapeSchedule, AHiddenPagePausesWithTheTimeLeft) {
  ShapeSchedule schedule;
  int pageA = 0, pageB = 0, pane = 0;
  Counting onA(&pageA, 100), onB(&pageB, 100), elsewhere(&pane, 100);
  schedule.pageChanged(&pageB, &pageA, 0);
  schedule.plan(onA, 100, 0);
  schedule.plan(onB, 100, 0);  // parked at once: its page is hidden
  schedule.plan(elsewhere, 100, 0);
  schedule.runDue(100);
  EXPECT_EQ(onA.advanced, 1);
  EXPECT_EQ(onB.advanced, 0);
  EXPECT_EQ(elsewhere.advanced, 1);
  schedule.runDue(170);  // onA's next cell is due at 200: 30 left
  schedule.pageChanged(&pageA, &pageB, 170);
  schedule.runDue(269);
  EXPECT_EQ(onB.advanced, 0);  // it had all its 100 left
  schedule.runDue(270);
  EXPECT_EQ(onB.advanced, 1);
  schedule.runDue(1000);
  EXPECT_EQ(onA.advanced, 1);
  EXPECT_EQ(elsewhere.advanced, 3);  // at 100, 269 and 1000: one cell a run
  schedule.pageChanged(&pageB, &pageA, 2000);
  schedule.runDue(2029);
  EXPECT_EQ(onA.advanced, 1);
  schedule.runDue(2030);
  EXPECT_EQ(onA.advanced, 2);
  EXPECT_TRUE(schedule.planned(onB));
}

}  // namespace
}  // namespace lx
