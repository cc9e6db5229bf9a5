// Making objects (as classes and as instances), their procedures and their
// event handlers.
#include "objects/multi_object.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "interp/evaluator.h"
#include "interp/thread_state.h"
#include "objects/ask_object.h"
#include "objects/init_list.h"
#include "objects/key_menu_property.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_scope.h"
#include "objects/pending_load_values.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"

namespace lx {

namespace {

constexpr int kShownProperty = 10;

}  // namespace

tmultiobject::tmultiobject() {
  modelKind = ModelKind::Object;
}

// An object is freed after it was destroyed, which left the graph already;
// one whose making failed half-way leaves it here.
tmultiobject::~tmultiobject() {
  leaveGraph();
}

Value tmultiobject::copy() const {
  return Value(const_cast<tmultiobject*>(this));
}

std::unique_ptr<tLogoVarTab> tmultiobject::makeVariableTable() {
  return std::make_unique<tLogoVarTab>();
}

void tmultiobject::init(const std::string& givenName, const tlogoobjectlist& given, bool noParent) {
  tables_.adopt(*this, makeVariableTable());
  methods = &tables_.procedures();
  declareMembers();

  tlogoobjectlist chosen = given;
  if (chosen.empty() && !noParent) chosen.push_back(ObjectRef(mainObject()));
  for (const ObjectRef& parent : chosen) {
    if (!parent || !parent->alive()) throw eLogoException(erNoObject, Value(parent));
    if (graph_.hasParent(*parent)) continue;
    graph_.appendParent(parent, true);
    parent->graph_.addHeir(*this);
  }

  identity_.setName(givenName.empty() ? nextUnnamedObjectName() : givenName);
  if (name().empty()) throw eLogoException(erEmptyObjName);
  rebuildChains();
  if (hasThreadState()) threadState().lastObject = Value(this);
  if (moveParams_.empty() && firstParent()) moveParams_ = firstParent()->moveParams_;
  linkObject(*this);
  constructed_ = !isInstance();
}

void tmultiobject::initInstance(tmultiobject* newPlace, const std::string& givenName, const Value& initList,
                                const tlogoobjectlist& given, CreateMode mode) {
  identity_.setKind(ObjectKind::Instance);
  init(givenName, given);
  runClassInit();
  declareKeyMenu(*this);
  if (needsPlace_) {
    if (!newPlace) throw eLogoException::withName(erNoMyplace, objectCodes().myPlace);
    setPlace(newPlace);
  }

  ThreadState& state = threadState();
  ObjectFrameScope frame(state, Value(this));
  const NameCode initListCode = objectCodes().initList;
  state.locals.bindLocal(initListCode, initList ? initList : Value(tLogoList::empty()));
  const Value shown = pendingLoadValues().peek(kShownProperty);
  shownAtCreation_ = !(shown && shown->isBool() && !shown->asBool());
  if (mode == CreateMode::RunCreate) {
    if (tTabDesc* found = findProcedure(objectCodes().create); found && found->asProcedure())
      callDescriptor(*found->asProcedure(), 0, false);
  } else {
    takeLoadValues();
  }
  applyLoadValues();
  // The `create` procedure may have taken keys out of the list.
  const tLogoVarDesc* bound = state.locals.variable(initListCode);
  if (const Value list = bound ? bound->value : nullptr; list && list->isList())
    applyInitList(*this, static_cast<const tLogoList&>(*list));
  copyFirstParentVariables();
  afterCreate();
  constructed_ = true;
}

void tmultiobject::applyLoadValues() {
  PendingLoadValues& pending = pendingLoadValues();
  if (pending.empty()) return;
  if (Value keyMenu = pending.take(prop::kKeyMenu))
    setOwnVariable(propertyRow(prop::kKeyMenu).nameCode, keyMenu);
  for (int code : moveParams_)
    if (Value value = pending.take(code)) setOwnVariable(propertyRow(code).nameCode, value);
}

void tmultiobject::addPage(tmultiobject&) {
  throw eLogoException(erInsertAsPage);
}

bool tmultiobject::isBusy() const {
  bool busy = false;
  procedures().forEach([&](tTabDesc& desc) { busy = busy || !desc.mayErase(); });
  return busy;
}

Value tmultiobject::ownEventHandler(NameCode code) const {
  return events().valueOrNull(code);
}

void tmultiobject::setEventHandler(NameCode code, Value handler) {
  events().setValue(code, std::move(handler));
}

void tmultiobject::removeEventHandler(NameCode code) {
  events().eraseEntry(code);
}

void tmultiobject::runCreateHandlers() {
  const NameCode onCreate = eventCode(EventId::onCreate);
  // A handler may change the chains: collect the handlers first.
  std::vector<Value> handlers;
  for (tLogoEventTab* table : tables_.eventChain())
    if (Value handler = table->valueOrNull(onCreate); handler && !handler->isEmpty())
      handlers.push_back(handler);
  ThreadState& state = threadState();
  for (size_t i = handlers.size(); i-- > 0;) {
    ObjectFrameScope frame(state, Value(this));
    runTopLevelList(state, *handlers[i]);
  }
}

Value tmultiobject::storedProperty(int propertyCode) const {
  const auto found = storedProperties_.find(propertyCode);
  return found == storedProperties_.end() ? nullptr : found->second;
}

const std::string* tmultiobject::propertyAsMade(int propertyCode) const {
  const auto found = propertiesAsMade_.find(propertyCode);
  return found == propertiesAsMade_.end() ? nullptr : &found->second;
}

void tmultiobject::setStoredProperty(int propertyCode, Value value) {
  storedProperties_[propertyCode] = storableValue(std::move(value));
}

tcontainerobject* tmultiobject::asContainer() {
  return isContainer() ? static_cast<tcontainerobject*>(this) : nullptr;
}

tmultiobject& currentObject() {
  ThreadState& state = threadState();
  if (tmultiobject* object = asObject(state.currentObject)) return *object;
  if (const auto* asked = asAskGroup(state.currentObject))
    if (tmultiobject* first = asked->firstAlive()) return *first;
  return *mainObject();
}

}  // namespace lx
