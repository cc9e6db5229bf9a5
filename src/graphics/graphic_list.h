// The list of graphics on a surface, in drawing order (the first is
// lowest), with its lock. The user-interface thread's own work (paint, hit
// tests) always reads it under the lock; Logo code, which holds the
// interpreter lock, may read it without (weak access). Every change takes
// the lock.
//
// Lock order: a surface's drawing lock is taken before its list lock,
// never the other way round.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "graphics/surface_graphic.h"

namespace lx {

class GraphicList {
 public:
  using Lock = std::unique_lock<std::recursive_mutex>;

  [[nodiscard]] Lock lock() const { return Lock(mutex_); }

  // Adds at the end (topmost) and gives the next creation number; a graphic
  // already listed is accepted again (the surfaces' duplicates mode).
  void add(tSurfaceGraphic& graphic);
  // Removes every entry of `graphic`; answers whether it was listed.
  bool remove(tSurfaceGraphic& graphic);
  bool contains(const tSurfaceGraphic& graphic) const;
  // Moves to the end / the start of the list (nothing when not listed).
  bool toFront(tSurfaceGraphic& graphic);
  bool toBack(tSurfaceGraphic& graphic);
  // Replaces the order by `order`, which must be a permutation of the list
  // (answers false and changes nothing otherwise).
  bool reorder(const std::vector<tSurfaceGraphic*>& order);

  // A copy of the list, taken under the lock.
  std::vector<tSurfaceGraphic*> snapshot() const;
  // The list itself while the caller holds lock().
  const std::vector<tSurfaceGraphic*>& locked(const Lock& held) const;
  // The list without the lock, for Logo code only; the user-interface
  // thread's own work stops here with "internal error - weaklocklist in the
  // basic thread".
  const std::vector<tSurfaceGraphic*>& weak() const;
  // Empties the list and answers what it held.
  std::vector<tSurfaceGraphic*> takeAll();

 private:
  mutable std::recursive_mutex mutex_;
  std::vector<tSurfaceGraphic*> graphics_;  // guarded by mutex_
};

// The next value of the program-wide creation counter (from 1).
uint64_t nextCreationNumber();

}  // namespace lx
