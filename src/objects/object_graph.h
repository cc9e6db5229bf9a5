// The inheritance graph of one object: its parents, its place, its heirs
// and the ancestors reached through parents and place.
#pragma once

#include <algorithm>
#include <cstddef>
#include <unordered_set>
#include <vector>

#include "core/ref.h"

namespace lx {

class tmultiobject;
using ObjectRef = Ref<tmultiobject>;
// An ordered list of objects, each held by a counted reference.
using tlogoobjectlist = std::vector<ObjectRef>;

// Lookup order keeps the last of repeated entries: an ancestor shared by
// several parents is searched after every object that inherits from it.
template <class T>
void keepLastOfEach(std::vector<T>& items) {
  std::unordered_set<const void*> seen;
  std::vector<T> kept;
  kept.reserve(items.size());
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    if (seen.insert(static_cast<const void*>(&**it)).second) kept.push_back(*it);
  std::reverse(kept.begin(), kept.end());
  items = std::move(kept);
}

// The links of one object in the graph of all objects.
//
// Ownership runs one way, upward: the object holds counted references to
// its parents, its place and its ancestors, so nothing it inherits from
// goes while it lives. Its heirs are plain back-links: an heir leaves the
// list when it drops the link (a behaviour removed, another place, the heir
// destroyed) or, at the latest, when it is freed.
//
// Invariants, checked in debug builds after every change of the graph:
// - the founding count is at most the number of parents, and no object is
//   twice among the parents or its own parent;
// - an heir stands in the heirs once for each link it has to this object:
//   once for each time this object is among its parents, once more when
//   this object is its place; and every parent and the place list this
//   object so;
// - the object is not among its own ancestors (a circle is refused while
//   the chains are rebuilt, error 184).
//
// The graph holds no tables: the chains built from it are the object's
// tables (object_tables.h). The object changes the graph only through the
// operations below and keeps the heirs of the other side in step.
class ObjectGraph {
 public:
  ObjectGraph();
  ~ObjectGraph();
  ObjectGraph(const ObjectGraph&) = delete;
  ObjectGraph& operator=(const ObjectGraph&) = delete;

  // Ordered parents: the founding parents first, then the behaviours.
  const tlogoobjectlist& parents() const { return parents_; }
  size_t foundingCount() const { return foundingCount_; }
  tmultiobject* firstParent() const { return parents_.empty() ? nullptr : parents_.front().get(); }
  bool hasParent(const tmultiobject& object) const { return indexOfParent(object) >= 0; }
  // The index of `object` among the parents, or -1.
  std::ptrdiff_t indexOfParent(const tmultiobject& object) const;
  // The containing object (`myPlace`), or nullptr.
  tmultiobject* place() const { return place_.get(); }
  // Objects naming this one as a parent or as their place (not owned).
  const std::vector<tmultiobject*>& heirs() const { return heirs_; }
  // Every object reachable through parents and place, once, in lookup order.
  const tlogoobjectlist& ancestors() const { return ancestors_; }
  bool reaches(const tmultiobject& object) const;

  // Changes of this object's side. The caller adds or removes the matching
  // heir link on the other object.
  void appendParent(ObjectRef parent, bool founding);
  void removeParent(const tmultiobject& parent);
  void setPlace(ObjectRef place);
  void addHeir(tmultiobject& heir) { heirs_.push_back(&heir); }
  void removeHeir(const tmultiobject& heir);
  // Lists the ancestors again from the parents and the place, whose own
  // ancestors are listed already, in the order of the lookup chains.
  void rebuildAncestors();
  // Forgets every link of this side.
  void clear();

  // Asserts the invariants above between `self` and its neighbours (debug
  // builds only).
  void checkInvariants(const tmultiobject& self) const;

 private:
  tlogoobjectlist parents_;
  size_t foundingCount_ = 0;
  ObjectRef place_;
  std::vector<tmultiobject*> heirs_;
  tlogoobjectlist ancestors_;
};

}  // namespace lx
