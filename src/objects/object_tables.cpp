// An object's own tables, and the lookup chains built from the graph.
#include "objects/object_tables.h"

#include "objects/multi_object.h"
#include "objects/object_codes.h"

namespace lx {
namespace {

template <class T>
void append(std::vector<T>& to, const std::vector<T>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

ObjectTables::ObjectTables() = default;
ObjectTables::~ObjectTables() = default;

void ObjectTables::adopt(tlogoobject& owner, std::unique_ptr<tLogoVarTab> variables) {
  procedures_ = std::make_unique<tLogoTab>("commandsLabel");
  variables_ = std::move(variables);
  events_ = std::make_unique<tLogoEventTab>();
  procedures_->ownerObject = &owner;
  variables_->ownerObject = &owner;
  events_->ownerObject = &owner;
}

const std::vector<tLogoTab*>& ObjectTables::chainFor(NameCode code) const {
  return usesOwnProcedureChain(code) ? ownProcedureChain_ : procedureChain_;
}

tTabDesc* ObjectTables::findProcedure(NameCode code) const {
  for (tLogoTab* table : chainFor(code))
    if (tTabDesc* found = table->findOrNull(code)) return found;
  return nullptr;
}

tLogoVarDesc* ObjectTables::findVariable(NameCode code) const {
  for (tLogoVarTab* table : variableChain_)
    if (tLogoVarDesc* found = table->variable(code)) return found;
  return nullptr;
}

Value ObjectTables::eventHandler(NameCode code) const {
  for (tLogoEventTab* table : eventChain_)
    if (Value handler = table->valueOrNull(code)) return handler;
  return nullptr;
}

void ObjectTables::rebuildChains(const ObjectGraph& graph) {
  std::vector<tLogoVarTab*> vars{variables_.get()};
  std::vector<tLogoTab*> procs{procedures_.get()};
  std::vector<tLogoEventTab*> evs{events_.get()};
  std::vector<tLogoTab*> own{procedures_.get()};
  auto take = [&](const ObjectTables& parent, bool founding) {
    append(vars, parent.variableChain_);
    append(procs, parent.procedureChain_);
    append(evs, parent.eventChain_);
    if (founding) append(own, parent.ownProcedureChain_);
  };
  const tlogoobjectlist& parents = graph.parents();
  const size_t founding = graph.foundingCount();
  for (size_t i = founding; i < parents.size(); ++i) take(parents[i]->tables(), false);
  for (size_t i = 0; i < founding; ++i) take(parents[i]->tables(), true);
  // The place lends its procedures and variables, not its event handlers.
  if (const tmultiobject* place = graph.place()) {
    append(vars, place->tables().variableChain_);
    append(procs, place->tables().procedureChain_);
  }
  keepLastOfEach(vars);
  keepLastOfEach(procs);
  keepLastOfEach(evs);
  keepLastOfEach(own);
  variableChain_ = std::move(vars);
  procedureChain_ = std::move(procs);
  eventChain_ = std::move(evs);
  ownProcedureChain_ = std::move(own);
}

void ObjectTables::clearChains() {
  variableChain_.clear();
  procedureChain_.clear();
  eventChain_.clear();
  ownProcedureChain_.clear();
}

}  // namespace lx
