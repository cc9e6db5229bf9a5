// Changes of an object's parents and place, and the rebuild of its chains
// and its heirs' that follows every change.
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
  tables_.rebuildChains(graph_);
  graph_.rebuildAncestors();

  RebuildingMark mark(rebuilding_);
  // Held while they are rebuilt: a rebuild runs no Logo code, but the list
  // of heirs is only back-links.
  tlogoobjectlist toRebuild;
  toRebuild.reserve(graph_.heirs().size());
  for (tmultiobject* heir : graph_.heirs()) toRebuild.push_back(ObjectRef(heir));
  for (const ObjectRef& heir : toRebuild) heir->rebuildChains();
  // Checked once the heirs are rebuilt too: a circle shows only half-way
  // (this object among its own ancestors) before it is refused.
  graph_.checkInvariants(*this);
}

void tmultiobject::leaveGraph() {
  for (const ObjectRef& parent : graph_.parents()) parent->graph_.removeHeir(*this);
  if (tmultiobject* place = graph_.place()) place->graph_.removeHeir(*this);
  graph_.clear();
}

tlogoobjectlist tmultiobject::behaviours() const {
  const tlogoobjectlist& parents = graph_.parents();
  const auto founding = static_cast<std::ptrdiff_t>(graph_.foundingCount());
  return tlogoobjectlist(parents.begin() + founding, parents.end());
}

bool tmultiobject::inheritsFrom(const tmultiobject& other) const {
  return graph_.reaches(other);
}

void tmultiobject::setPlace(tmultiobject* newPlace) {
  if (graph_.place() == newPlace) return;
  const ObjectRef old(graph_.place());
  if (old) old->graph_.removeHeir(*this);
  if (newPlace) newPlace->graph_.addHeir(*this);
  graph_.setPlace(ObjectRef(newPlace));
  try {
    rebuildChains();
  } catch (const eLogoException&) {
    // A place inside this object itself: put the old place back.
    if (newPlace) newPlace->graph_.removeHeir(*this);
    if (old) old->graph_.addHeir(*this);
    graph_.setPlace(old);
    rebuildChains();
    throw;
  }
}

void tmultiobject::addParent(tmultiobject& parent, bool runEvent) {
  if (graph_.hasParent(parent)) return;
  graph_.appendParent(ObjectRef(&parent), false);
  parent.graph_.addHeir(*this);
  try {
    rebuildChains();
  } catch (const eLogoException& e) {
    if (e.code != erLinkLoop) throw;
    graph_.removeParent(parent);
    parent.graph_.removeHeir(*this);
    rebuildChains();
    throw;
  }
  if (!runEvent) return;
  // The behaviour's own variables become this object's, unless it has them.
  parent.variables().forEach([&](tTabDesc& desc) {
    auto& variable = static_cast<tLogoVarDesc&>(desc);
    if (!variable.isProperty && !variable.common && !variables().findOrNull(variable.name))
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
  const std::ptrdiff_t at = graph_.indexOfParent(parent);
  if (at < 0) return;
  if (static_cast<size_t>(at) < graph_.foundingCount()) throw eLogoException(erNotFoundObj, Value(&parent));
  const ObjectRef keep(&parent);
  if (runEvent && interpreterRunning()) {
    if (Value handler = parent.eventHandler(eventCode(EventId::onDeleteBehaviour));
        handler && !handler->isEmpty()) {
      ThreadState& state = threadState();
      ObjectFrameScope frame(state, Value(this));
      runTopLevelList(state, *handler);
    }
  }
  graph_.removeParent(parent);
  parent.graph_.removeHeir(*this);
  rebuildChains();
}

}  // namespace lx
