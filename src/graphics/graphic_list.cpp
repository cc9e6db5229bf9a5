// The locked list of a surface's graphics.
#include "graphics/graphic_list.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "interp/thread_state.h"
#include "platform/platform.h"

namespace lx {

uint64_t nextCreationNumber() {
  static std::atomic<uint64_t> counter{0};
  return ++counter;
}

void GraphicList::add(tSurfaceGraphic& graphic) {
  Lock held = lock();
  graphic.creationNumber = nextCreationNumber();
  graphics_.push_back(&graphic);
}

bool GraphicList::remove(tSurfaceGraphic& graphic) {
  Lock held = lock();
  const auto end = std::remove(graphics_.begin(), graphics_.end(), &graphic);
  const bool listed = end != graphics_.end();
  graphics_.erase(end, graphics_.end());
  return listed;
}

bool GraphicList::contains(const tSurfaceGraphic& graphic) const {
  Lock held = lock();
  return std::find(graphics_.begin(), graphics_.end(), &graphic) != graphics_.end();
}

bool GraphicList::toFront(tSurfaceGraphic& graphic) {
  Lock held = lock();
  if (!remove(graphic)) return false;
  graphics_.push_back(&graphic);
  return true;
}

bool GraphicList::toBack(tSurfaceGraphic& graphic) {
  Lock held = lock();
  if (!remove(graphic)) return false;
  graphics_.insert(graphics_.begin(), &graphic);
  return true;
}

bool GraphicList::reorder(const std::vector<tSurfaceGraphic*>& order) {
  Lock held = lock();
  if (!std::is_permutation(order.begin(), order.end(), graphics_.begin(), graphics_.end())) return false;
  graphics_ = order;
  return true;
}

std::vector<tSurfaceGraphic*> GraphicList::snapshot() const {
  Lock held = lock();
  return graphics_;
}

const std::vector<tSurfaceGraphic*>& GraphicList::locked(const Lock& held) const {
  if (!held.owns_lock() || held.mutex() != &mutex_) {
    std::fprintf(stderr, "internal error - graphic list read without its lock\n");
    std::abort();
  }
  return graphics_;
}

const std::vector<tSurfaceGraphic*>& GraphicList::weak() const {
  // Logo code holds the interpreter lock, so no other Logo code changes the
  // list meanwhile; the user-interface thread's own work (paint, hit tests)
  // runs without it and must lock. Protected work that a process hands to
  // the user-interface thread carries the process's state and counts as Logo.
  PlatformBackend* backend = startedPlatform();
  if (backend && backend->uiThread().isCurrent() && !hasThreadState()) {
    std::fprintf(stderr, "internal error - weaklocklist in the basic thread\n");
    std::abort();
  }
  return graphics_;
}

std::vector<tSurfaceGraphic*> GraphicList::takeAll() {
  Lock held = lock();
  return std::exchange(graphics_, {});
}

}  // namespace lx
