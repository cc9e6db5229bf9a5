// The schedule of shape animations: one plan per animated shape, due at a
// tick of the millisecond clock, and the plans parked while their page is
// not the one shown, each keeping the time it had left. Not synchronised on
// its own: the animation thread's lock guards it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace lx {

// What the schedule animates. Both calls come with the animation lock held.
class AnimatedShape {
 public:
  virtual ~AnimatedShape() = default;
  // Shows the next cell; answers the milliseconds until the one after, or
  // none when the animation has ended.
  virtual std::optional<uint64_t> advanceCell() = 0;
  // The page the shape is on, compared by identity.
  virtual const void* animationPage() const = 0;
};

class ShapeSchedule {
 public:
  // Plans the shape's next cell at `due`, replacing a plan it had. A shape
  // of a page that is not shown is parked at once.
  void plan(AnimatedShape& shape, uint64_t due, uint64_t now);
  void drop(AnimatedShape& shape);
  bool planned(const AnimatedShape& shape) const;
  // The earliest due tick of the active plans.
  std::optional<uint64_t> nextDue() const;
  // Advances every shape due at `now` and plans its next cell.
  void runDue(uint64_t now);
  // A window shows another page: plans of the hidden page are parked with
  // the time they had left, parked plans of the shown page come back.
  // Shapes on surfaces that no window hides run on.
  void pageChanged(const void* hidden, const void* shown, uint64_t now);

 private:
  bool isShown(const AnimatedShape& shape) const;
  std::multimap<uint64_t, AnimatedShape*> due_;
  std::unordered_map<AnimatedShape*, std::multimap<uint64_t, AnimatedShape*>::iterator> byShape_;
  std::unordered_map<AnimatedShape*, uint64_t> parked_;  // shape -> milliseconds left
  std::unordered_set<const void*> hiddenPages_;
};

}  // namespace lx
