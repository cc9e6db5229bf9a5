// tmultiobject: a Logo object. Every object is at once a class and an
// instance: it owns procedures, variables and event handlers, and inherits
// from an ordered list of parents through four precomputed lookup chains.
//
// How the pieces fit. An object is three pieces held together by this
// class. Its place in the inheritance graph (object_graph.h: parents,
// behaviours, place, heirs and ancestors, with private links and checked
// invariants) says what it inherits from. Its tables (object_tables.h:
// procedures, variables, events, and the four lookup chains built from the
// graph) say what its names mean: every change of the graph goes through
// setPlace, addParent or removeParent here, which rebuild the chains of the
// object and its heirs and move the lookup epoch on, so the two pieces
// never disagree. Its identity (object_identity.h: name, class or instance,
// the container that names it, its links in the list of all objects that
// object_registry.h keeps) says how Logo code finds it. Lookup reads the
// tables alone; the graph is read when the chains are rebuilt; the
// identity is read by the names and the saving of projects.
//
// Ownership. Objects are Logo values, kept alive by counted references:
// the list of all objects holds each listed object, and the graph holds
// references upward only (parents, place, ancestors); heirs are back-links.
// An object lives until it is destroyed explicitly (erased, or together
// with its first parent or place), which cuts every link and takes it out
// of the list; after that it is dead: values that still name it keep the
// record, with empty tables. The tables in the chains belong to this object
// or to one of its ancestors, which the object holds, so no chain outlives
// its tables.
//
// Layer: objects, above interp. Objects, classes and prototypes, property
// codes and properties, events and property lists.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/value.h"
#include "interp/logo_tab.h"
#include "interp/var_tab.h"
#include "objects/object_graph.h"
#include "objects/object_identity.h"
#include "objects/object_tables.h"

namespace lx {

class tcontainerobject;

// The object of a value, or nullptr when it is no object.
tmultiobject* asObject(const Value& value);
tmultiobject* asObject(tlogoobject* value);

// How an instance is set up after its init list is bound: by running the
// `create` procedure, or (the container's loading mode) by taking its
// property values out of the pending load values.
enum class CreateMode : uint8_t { RunCreate, TakeLoadValues };

class tmultiobject : public tlogoobject {
 public:
  tmultiobject();
  ~tmultiobject() override;

  Value copy() const override;  // objects are never copied: the object itself
  std::string printText(int = -1) const override { return identity_.name(); }
  std::string showText(int level = -1) const override { return printText(level); }
  const char* className() const override { return "tmultiobject"; }

  // --- Making objects (multi_object.cpp) ---

  // The first constructor: makes the tables, takes `parents` in order (none:
  // the main object alone; `noParent`: none at all, for the main object
  // itself), names the object (an empty name gets the next "object" name),
  // builds the chains and enters the object in the list of all objects.
  void init(const std::string& givenName, const tlogoobjectlist& parents, bool noParent = false);
  // The second constructor: `init`, the class variables, the place, then
  // the `create` procedure with the local `initList` bound, and the init
  // list applied pairwise.
  void initInstance(tmultiobject* newPlace, const std::string& givenName, const Value& initList,
                    const tlogoobjectlist& parents, CreateMode mode = CreateMode::RunCreate);

  // --- Hooks that kinds of objects override ---

  // Fills the tables of a new object: commands, declared properties.
  virtual void declareMembers() {}
  virtual void takeLoadValues() {}
  virtual void beforeFree() {}
  virtual void afterCreate() {}
  // Called by the container after the `onCreate` handlers ran.
  virtual void afterCreateHandlers(CreateMode) {}
  // What the `create` primitive does for this object.
  virtual void createHook() {}
  // A named child object (containers), or nullptr.
  virtual tmultiobject* objectByName(NameCode) const { return nullptr; }
  virtual bool hasPageWho() const { return false; }
  // Windows take pages; every other object refuses (error 122).
  virtual void addPage(tmultiobject& page);
  virtual void rename(const std::string&) {}
  // Raises the error that forbids erasing the object now (a window's only
  // page shown); nothing by default.
  virtual void checkErasable() const {}
  // Whether a procedure of this object's own is running now (busy objects
  // are neither erased nor replaced).
  virtual bool isBusy() const;

  // --- Parents, heirs, place and the chains (object_chains.cpp) ---

  void setPlace(tmultiobject* newPlace);
  // Adds a behaviour (nothing when already a parent); error 184 leaves the
  // parents as they were. With `runEvent`, the behaviour's variables are
  // copied in and its `onAddBehaviour` handler runs.
  void addParent(tmultiobject& parent, bool runEvent);
  // Removes a behaviour (error 134 for a founding parent).
  void removeParent(tmultiobject& parent, bool runEvent);
  // Builds the four chains again, and those of every heir (error 184 when
  // this object is being rebuilt already: inheritance in a circle).
  void rebuildChains();
  // Behaviours: the parents after the founding ones.
  tlogoobjectlist behaviours() const;
  bool inheritsFrom(const tmultiobject& other) const;

  // --- Tables and lookup (object_tables.h) ---

  // The own tables and the lookup chains, read-only: the chains change with
  // the graph, the entries through the operations of the tables.
  const ObjectTables& tables() const { return tables_; }
  // The own tables. The procedure table is also the object's method table.
  tLogoTab& procedures() const { return tables_.procedures(); }
  tLogoVarTab& variables() const { return tables_.variables(); }
  tLogoEventTab& events() const { return tables_.events(); }

  // The procedure `code` along the procedure chain (or the own-procedure
  // chain for the occasions), or nullptr.
  tTabDesc* findProcedure(NameCode code) const { return tables_.findProcedure(code); }
  // The chain that `code` is looked up in.
  const std::vector<tLogoTab*>& chainFor(NameCode code) const { return tables_.chainFor(code); }

  // --- Variables (object_variables.cpp) ---

  // The value along the variable chain, properties read through their
  // getters (error 126 when no table has the variable).
  Value valueOfVariable(NameCode code);
  // Creates or sets an own variable; a new one gets its accessor
  // procedures and is given to every heir that does not own it yet.
  void setOwnVariable(NameCode code, Value value);
  // The same, for a `common` variable: it stays here, heirs find it.
  void setOwnVariableNoPropagate(NameCode code, Value value);
  // Sets the variable where the chain has it (error 126 when none has it).
  void setVariable(NameCode code, Value value);
  tLogoVarDesc* findVariable(NameCode code) const;  // error 24 when absent
  tLogoVarDesc* findVariableOrNull(NameCode code) const { return tables_.findVariable(code); }
  tmultiobject* ownerOfVariable(NameCode code);  // error 50 when none
  bool hasVariable(NameCode code) const { return findVariableOrNull(code) != nullptr; }
  // Removes an own variable with its accessors (error 183 for a property).
  void eraseVariable(NameCode code);
  // Copies in the own variables of the classes this object was made from.
  void runClassInit();
  // Values of declared properties that have no getter and setter of their
  // own yet (until their kind of object provides them); none when unset.
  Value storedProperty(int propertyCode) const;
  void setStoredProperty(int propertyCode, Value value);
  // Properties given a value on this object: a property whose descriptor
  // is saved only once set is saved with the objects that set it.
  void notePropertySet(int propertyCode) { setProperties_.insert(propertyCode); }
  bool propertyWasSet(int propertyCode) const { return setProperties_.count(propertyCode) != 0; }
  // The show form of each property's value as the instance was made (its
  // class's value, or what making it gave). A property whose value differs
  // from it at a save was changed by a command (`forward`, `penup`...)
  // rather than its setter, and is saved all the same.
  void setPropertiesAsMade(std::map<int, std::string> shown) { propertiesAsMade_ = std::move(shown); }
  // The show form as made, or nullptr when none was noted.
  const std::string* propertyAsMade(int propertyCode) const;

  // --- Events ---

  // The handler along the event chain, or none.
  Value eventHandler(NameCode code) const { return tables_.eventHandler(code); }
  Value ownEventHandler(NameCode code) const;
  void setEventHandler(NameCode code, Value handler);
  void removeEventHandler(NameCode code);  // error 155 when there is none
  // Runs `onCreate` of every table of the event chain, the most basic first.
  void runCreateHandlers();

  // --- Names (object_names.cpp) ---

  // The object that `code` names as seen from here: a named child of this
  // object or of an ancestor, or one of the pseudo-names; nullptr when none.
  // Pseudo-names whose object is missing raise their errors.
  ObjectRef resolveObjectName(NameCode code);

  // --- Kind (the model kind the constructors set) ---

  bool isControlObject() const { return modelKind >= ModelKind::ControlObject; }
  bool canHoldControls() const { return modelKind >= ModelKind::ContainingControl; }
  bool isContainer() const { return modelKind >= ModelKind::Container; }
  tcontainerobject* asContainer();  // nullptr when the object holds no named objects
  bool isPage() const { return modelKind == ModelKind::Page; }
  bool isWindow() const { return modelKind == ModelKind::Window; }

  // --- State ---

  bool alive() const { return alive_; }
  // Made completely: a class after `init`, an instance after `initInstance`.
  bool constructed() const { return constructed_; }
  bool isInstance() const { return identity_.kind() == ObjectKind::Instance; }

  // The inheritance graph, read-only: it changes through setPlace,
  // addParent, removeParent, the constructors and destruction.
  const ObjectGraph& graph() const { return graph_; }
  const tlogoobjectlist& parents() const { return graph_.parents(); }
  size_t firstParentCount() const { return graph_.foundingCount(); }  // the rest are behaviours
  tmultiobject* firstParent() const { return graph_.firstParent(); }
  tmultiobject* place() const { return graph_.place(); }  // the containing object (`myPlace`)
  const std::vector<tmultiobject*>& heirs() const { return graph_.heirs(); }
  const tlogoobjectlist& ancestors() const { return graph_.ancestors(); }

  // --- Identity (object_identity.h) ---

  const ObjectIdentity& identity() const { return identity_; }
  ObjectIdentity& identity() { return identity_; }
  const std::string& name() const { return identity_.name(); }

  // --- Settings of making ---

  // Whether an instance must be given a place (all but the main object).
  bool needsPlace() const { return needsPlace_; }
  void setNeedsPlace(bool needed) { needsPlace_ = needed; }
  // Whether the instance was made shown: the load values said nothing
  // else. Controls and turtles start with it as their `shown`.
  bool shownAtCreation() const { return shownAtCreation_; }
  // Property codes whose load values are applied again after creation
  // (inherited from the first parent when the object has none).
  void setMoveParams(std::vector<int> codes) { moveParams_ = std::move(codes); }
  // Makes the objects of this class (prototypes install one); null: an
  // instance is a plain control object, or what the class's own first
  // parent makes.
  using InstanceFactory = ObjectRef (*)();
  InstanceFactory instanceFactory() const { return instanceFactory_; }
  void setInstanceFactory(InstanceFactory factory) { instanceFactory_ = factory; }

 protected:
  // The own variable table; the main object's holds the global variables.
  virtual std::unique_ptr<tLogoVarTab> makeVariableTable();

 private:
  friend void destroyObject(tmultiobject& object);

  // Takes this object out of the heirs of its parents and place, and
  // forgets its links.
  void leaveGraph();

  void applyLoadValues();
  void copyFirstParentVariables();
  void setOwnVariableWith(NameCode code, Value value, bool propagate);
  void addAccessors(NameCode code);

  ObjectGraph graph_;
  ObjectTables tables_;
  ObjectIdentity identity_;
  bool needsPlace_ = true;
  bool shownAtCreation_ = true;
  bool hasClassInit_ = false;  // own variables are copied into every new heir
  std::vector<int> moveParams_;
  InstanceFactory instanceFactory_ = nullptr;
  std::map<int, std::string> propertiesAsMade_;
  bool alive_ = true;
  bool constructed_ = false;
  bool rebuilding_ = false;  // set while the chains of this object and its heirs are rebuilt
  std::map<int, Value> storedProperties_;
  std::set<int> setProperties_;
};

// Destroys the object (erasing): runs its `destroy` procedure, destroys the
// heirs whose first parent or place it is, leaves every list and table.
void destroyObject(tmultiobject& object);

// The object Logo code runs as on this thread: the current object, the
// first object of an object list, or the main object.
tmultiobject& currentObject();

inline tmultiobject* asObject(tlogoobject* value) {
  return value && value->modelKind >= ModelKind::Object ? static_cast<tmultiobject*>(value) : nullptr;
}
inline const tmultiobject* asObject(const tlogoobject* value) {
  return asObject(const_cast<tlogoobject*>(value));
}
inline tmultiobject* asObject(const Value& value) {
  return asObject(value.get());
}

}  // namespace lx
