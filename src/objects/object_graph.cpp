// The links of one object in the graph of all objects, and their invariants.
#include "objects/object_graph.h"

#include <algorithm>
#include <cassert>

#include "objects/multi_object.h"

namespace lx {
namespace {

size_t linksTo(const tmultiobject& heir, const tmultiobject& object) {
  const tlogoobjectlist& parents = heir.graph().parents();
  size_t links = static_cast<size_t>(
      std::count_if(parents.begin(), parents.end(), [&](const ObjectRef& p) { return p.get() == &object; }));
  return links + (heir.graph().place() == &object ? 1 : 0);
}

}  // namespace

ObjectGraph::ObjectGraph() = default;
ObjectGraph::~ObjectGraph() = default;

std::ptrdiff_t ObjectGraph::indexOfParent(const tmultiobject& object) const {
  for (size_t i = 0; i < parents_.size(); ++i)
    if (parents_[i].get() == &object) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

bool ObjectGraph::reaches(const tmultiobject& object) const {
  return std::any_of(ancestors_.begin(), ancestors_.end(),
                     [&](const ObjectRef& a) { return a.get() == &object; });
}

void ObjectGraph::appendParent(ObjectRef parent, bool founding) {
  // Founding parents come before every behaviour.
  assert(!founding || foundingCount_ == parents_.size());
  parents_.push_back(std::move(parent));
  if (founding) ++foundingCount_;
}

void ObjectGraph::removeParent(const tmultiobject& parent) {
  const std::ptrdiff_t at = indexOfParent(parent);
  if (at < 0) return;
  if (static_cast<size_t>(at) < foundingCount_) --foundingCount_;
  parents_.erase(parents_.begin() + at);
}

void ObjectGraph::setPlace(ObjectRef place) {
  place_ = std::move(place);
}

void ObjectGraph::rebuildAncestors() {
  tlogoobjectlist reached;
  auto take = [&](const ObjectRef& object) {
    reached.push_back(object);
    const tlogoobjectlist& further = object->graph().ancestors();
    reached.insert(reached.end(), further.begin(), further.end());
  };
  for (size_t i = foundingCount_; i < parents_.size(); ++i) take(parents_[i]);
  for (size_t i = 0; i < foundingCount_; ++i) take(parents_[i]);
  if (place_) take(place_);
  keepLastOfEach(reached);
  ancestors_ = std::move(reached);
}

void ObjectGraph::removeHeir(const tmultiobject& heir) {
  const auto found = std::find(heirs_.begin(), heirs_.end(), &heir);
  if (found != heirs_.end()) heirs_.erase(found);
}

void ObjectGraph::clear() {
  parents_.clear();
  foundingCount_ = 0;
  place_ = nullptr;
  heirs_.clear();
  ancestors_.clear();
}

void ObjectGraph::checkInvariants([[maybe_unused]] const tmultiobject& self) const {
#ifndef NDEBUG
  assert(foundingCount_ <= parents_.size());
  for (size_t i = 0; i < parents_.size(); ++i) {
    assert(parents_[i].get() != &self);
    assert(indexOfParent(*parents_[i]) == static_cast<std::ptrdiff_t>(i));
  }
  // The newest heirs stand at the end: the search from there is short.
  auto lists = [&](const tmultiobject& holder) {
    const std::vector<tmultiobject*>& heirs = holder.graph().heirs();
    return std::find(heirs.rbegin(), heirs.rend(), &self) != heirs.rend();
  };
  for (const ObjectRef& parent : parents_) assert(lists(*parent));
  if (place_) assert(lists(*place_));
  for (const tmultiobject* heir : heirs_) assert(linksTo(*heir, self) > 0);
  assert(!reaches(self));
#endif
}

}  // namespace lx
