// The animation schedule.
#include "graphics/shape_schedule.h"

namespace lx {

bool ShapeSchedule::isShown(const AnimatedShape& shape) const {
  return hiddenPages_.count(shape.animationPage()) == 0;
}

void ShapeSchedule::plan(AnimatedShape& shape, uint64_t due, uint64_t now) {
  drop(shape);
  if (!isShown(shape)) {
    parked_[&shape] = due > now ? due - now : 0;
    return;
  }
  byShape_[&shape] = due_.emplace(due, &shape);
}

void ShapeSchedule::drop(AnimatedShape& shape) {
  parked_.erase(&shape);
  if (auto found = byShape_.find(&shape); found != byShape_.end()) {
    due_.erase(found->second);
    byShape_.erase(found);
  }
}

bool ShapeSchedule::planned(const AnimatedShape& shape) const {
  auto* key = const_cast<AnimatedShape*>(&shape);
  return byShape_.count(key) != 0 || parked_.count(key) != 0;
}

std::optional<uint64_t> ShapeSchedule::nextDue() const {
  if (due_.empty()) return std::nullopt;
  return due_.begin()->first;
}

void ShapeSchedule::runDue(uint64_t now) {
  // Take the due plans first: advancing may plan the same shapes again.
  std::vector<AnimatedShape*> ready;
  while (!due_.empty() && due_.begin()->first <= now) {
    ready.push_back(due_.begin()->second);
    byShape_.erase(due_.begin()->second);
    due_.erase(due_.begin());
  }
  for (AnimatedShape* shape : ready)
    if (const std::optional<uint64_t> next = shape->advanceCell()) plan(*shape, now + *next, now);
}

void ShapeSchedule::pageChanged(const void* hidden, const void* shown, uint64_t now) {
  if (hidden == shown) return;
  if (hidden) hiddenPages_.insert(hidden);
  hiddenPages_.erase(shown);
  std::vector<std::pair<AnimatedShape*, uint64_t>> moving;
  for (auto& [due, shape] : due_)
    if (hidden && shape->animationPage() == hidden) moving.emplace_back(shape, due > now ? due - now : 0);
  for (auto& [shape, left] : moving) {
    drop(*shape);
    parked_[shape] = left;
  }
  std::vector<std::pair<AnimatedShape*, uint64_t>> back;
  for (auto& [shape, left] : parked_)
    if (shape->animationPage() == shown) back.emplace_back(shape, left);
  for (auto& [shape, left] : back) plan(*shape, now + left, now);
}

}  // namespace lx
