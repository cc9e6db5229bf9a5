// The animation schedule.
#include "graphics/shape_schedule.h"

namespace lx {

bool ShapeSchedule::isShown(const AnimatedShape& shape) const {
  return !pageKnown_ || shape.animationPage() == shownPage_;
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

void ShapeSchedule::showPage(const void* page, uint64_t now) {
  pageKnown_ = true;
  shownPage_ = page;
  std::vector<std::pair<AnimatedShape*, uint64_t>> moving;
  for (auto it = due_.begin(); it != due_.end(); ++it)
    if (it->second->animationPage() != page) moving.emplace_back(it->second, it->first > now ? it->first - now : 0);
  for (auto& [shape, left] : moving) {
    drop(*shape);
    parked_[shape] = left;
  }
  std::vector<std::pair<AnimatedShape*, uint64_t>> back;
  for (auto& [shape, left] : parked_)
    if (shape->animationPage() == page) back.emplace_back(shape, left);
  for (auto& [shape, left] : back) plan(*shape, now + left, now);
}

}  // namespace lx
