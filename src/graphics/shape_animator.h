// tShapeAnim: the one thread that animates every shape. It sleeps until the
// earliest plan of its schedule is due (a minute at most), advances the
// shapes that are due and plans their next cells. Lock order: the
// animation lock is taken before a surface's drawing lock, never after.
#pragma once

#include <cstdint>

#include "graphics/shape_schedule.h"

namespace lx {

// The shortest time a cell is shown: a zero delay would spin the thread.
inline constexpr uint64_t kLeastCellDelay = 20;

// Plans the shape's next cell `delay` milliseconds from now (the thread
// starts with the first plan).
void scheduleShape(AnimatedShape& shape, uint64_t delay);
// Forgets the shape's plan; after it returns the thread no longer touches
// the shape.
void cancelShape(AnimatedShape& shape);
bool shapeScheduled(const AnimatedShape& shape);
// A window shows page `shown` instead of `hidden` (either may be none).
void animationPageChanged(const void* hidden, const void* shown);
// Ends the thread (at program end); later plans start it again.
void stopShapeAnimation();

// For tests: time comes from this function instead of the millisecond
// clock, and no thread runs; runAnimationsDue advances what is due.
void useAnimationClock(uint64_t (*clock)());
void runAnimationsDue();

}  // namespace lx
