// The parent graph and the lookup chains built from it. Lookup goes own
// table first, then behaviours, then founding parents depth-first, a shared
// ancestor searched after every object that inherits from it (the last of
// repeated tables is kept), then the place and what it inherits.
#include <algorithm>
#include <unordered_set>

#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/thread_state.h"
#include "objects/main_object.h"
#include "objects/multi_object.h"
#include "objects/object_codes.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "objects/property_declaration.h"

namespace lx {
namespace {

template <class T>
void append(std::vector<T>& to, const std::vector<T>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

// Removes repeated entries, keeping the last occurrence of each.
template <class T>
void keepLast(std::vector<T>& items) {
  std::unordered_set<const void*> seen;
  std::vector<T> kept;
  kept.reserve(items.size());
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    if (seen.insert(static_cast<const void*>(&**it)).second) kept.push_back(*it);
  std::reverse(kept.begin(), kept.end());
  items = std::move(kept);
}

bool removeOne(tlogoobjectlist& list, const tmultiobject& object) {
  const auto found =
      std::find_if(list.begin(), list.end(), [&](const ObjectRef& o) { return o.get() == &object; });
  if (found == list.end()) return false;
  list.erase(found);
  return true;
}

// Clears the rebuilding mark however the rebuild of the heirs ends.
class RebuildingMark {
 public:
  explicit RebuildingMark(bool& mark) : mark_(mark) { mark_ = true; }
  ~RebuildingMark() { mark_ = false; }

 private:
  bool& mark_;
};

}  // namespace

void tmultiobject::rebuildChains() {
  if (rebuilding_) throw eLogoException(erLinkLoop);
  invalidateLookups();
  std::vector<tLogoVarTab*> vars{variables.get()};
  std::vector<tLogoTab*> procs{procedures.get()};
  std::vector<tLogoEventTab*> evs{events.get()};
  std::vector<tLogoTab*> own{procedures.get()};
  tlogoobjectlist reached;
  auto take = [&](const ObjectRef& parent, bool founding) {
    append(vars, parent->variableChain);
    append(procs, parent->procedureChain);
    append(evs, parent->eventChain);
    if (founding) append(own, parent->ownProcedureChain);
    reached.push_back(parent);
    append(reached, parent->ancestors);
  };
  for (size_t i = firstParentCount; i < parents.size(); ++i) take(parents[i], false);
  for (size_t i = 0; i < firstParentCount && i < parents.size(); ++i) take(parents[i], true);
  if (place) {
    append(vars, place->variableChain);
    append(procs, place->procedureChain);
    reached.push_back(place);
    append(reached, place->ancestors);
  }
  keepLast(vars);
  keepLast(procs);
  keepLast(evs);
  keepLast(own);
  keepLast(reached);
  variableChain = std::move(vars);
  procedureChain = std::move(procs);
  eventChain = std::move(evs);
  ownProcedureChain = std::move(own);
  ancestors = std::move(reached);

  RebuildingMark mark(rebuilding_);
  const tlogoobjectlist toRebuild = heirs;
  for (const ObjectRef& heir : toRebuild) heir->rebuildChains();
}

void tmultiobject::addHeir(tmultiobject& heir) {
  heirs.push_back(ObjectRef(&heir));
}

void tmultiobject::removeHeir(tmultiobject& heir) {
  removeOne(heirs, heir);
}

tlogoobjectlist tmultiobject::behaviours() const {
  return tlogoobjectlist(
      parents.begin() + static_cast<std::ptrdiff_t>(std::min(firstParentCount, parents.size())),
      parents.end());
}

bool tmultiobject::inheritsFrom(const tmultiobject& other) const {
  return std::any_of(ancestors.begin(), ancestors.end(),
                     [&](const ObjectRef& a) { return a.get() == &other; });
}

void tmultiobject::setPlace(tmultiobject* newPlace) {
  if (place.get() == newPlace) return;
  const ObjectRef old = place;
  if (old) old->removeHeir(*this);
  if (newPlace) newPlace->addHeir(*this);
  place = ObjectRef(newPlace);
  try {
    rebuildChains();
  } catch (const eLogoException&) {
    // A place inside this object itself: put the old place back.
    if (newPlace) newPlace->removeHeir(*this);
    if (old) old->addHeir(*this);
    place = old;
    rebuildChains();
    throw;
  }
}

void tmultiobject::addParent(tmultiobject& parent, bool runEvent) {
  if (std::any_of(parents.begin(), parents.end(), [&](const ObjectRef& p) { return p.get() == &parent; }))
    return;
  parents.push_back(ObjectRef(&parent));
  parent.addHeir(*this);
  try {
    rebuildChains();
  } catch (const eLogoException& e) {
    if (e.code != erLinkLoop) throw;
    removeOne(parents, parent);
    parent.removeHeir(*this);
    rebuildChains();
    throw;
  }
  if (!runEvent) return;
  // The behaviour's own variables become this object's, unless it has them.
  parent.variables->forEach([&](tTabDesc& desc) {
    auto& variable = static_cast<tLogoVarDesc&>(desc);
    if (!variable.isProperty && !variable.common && !variables->findOrNull(variable.name))
      setOwnVariable(variable.name, variable.value);
  });
  if (Value handler = parent.eventHandler(eventCode(EventId::onAddBehaviour));
      handler && !handler->isEmpty()) {
    ThreadState& state = threadState();
    ObjectFrameScope frame(state, Value(this));
    runTopLevelList(state, *handler);
  }
}

void tmultiobject::removeParent(tmultiobject& parent, bool runEvent) {
  const auto found =
      std::find_if(parents.begin(), parents.end(), [&](const ObjectRef& p) { return p.get() == &parent; });
  if (found == parents.end()) return;
  if (static_cast<size_t>(found - parents.begin()) < firstParentCount)
    throw eLogoException(erNotFoundObj, Value(&parent));
  const ObjectRef keep(&parent);
  if (runEvent && interpreterRunning()) {
    if (Value handler = parent.eventHandler(eventCode(EventId::onDeleteBehaviour));
        handler && !handler->isEmpty()) {
      ThreadState& state = threadState();
      ObjectFrameScope frame(state, Value(this));
      runTopLevelList(state, *handler);
    }
  }
  removeOne(parents, parent);
  parent.removeHeir(*this);
  rebuildChains();
}

}  // namespace lx
