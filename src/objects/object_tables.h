// The tables of one object — procedures, variables, event handlers — and
// the four lookup chains built from its place in the inheritance graph.
#pragma once

#include <memory>
#include <vector>

#include "interp/logo_tab.h"
#include "interp/var_tab.h"
#include "objects/object_graph.h"

namespace lx {

// What an object's names mean.
//
// The own tables are made once, when the object is made, and live as long
// as its record; the procedure table is also the object's method table.
// The chains list tables in lookup order, own table first: the behaviours,
// then the founding parents depth-first, then the place and what it
// inherits, a table reached twice kept at its last place (a shared ancestor
// is searched after every object that inherits from it). The procedures of
// the occasions (`usesOwnProcedureChain`) are looked up in a shorter chain:
// own and founding parents only.
//
// The chains are built from the chains of the parents and the place, so a
// change of the graph rebuilds the object's chains and then its heirs'
// (tmultiobject::rebuildChains). Every table in a chain belongs to the
// object or to an ancestor, which the graph holds, so no chain outlives its
// tables.
class ObjectTables {
 public:
  ObjectTables();
  ~ObjectTables();
  ObjectTables(const ObjectTables&) = delete;
  ObjectTables& operator=(const ObjectTables&) = delete;

  // Takes the object's own tables and marks `owner` as theirs.
  void adopt(tlogoobject& owner, std::unique_ptr<tLogoVarTab> variables);
  // False until `adopt`: an object whose making failed early has none.
  bool made() const { return procedures_ != nullptr; }

  // The own tables (the object made them: `made()`). Constness is the
  // object's: a const object still has tables Logo code changes.
  tLogoTab& procedures() const { return *procedures_; }
  tLogoVarTab& variables() const { return *variables_; }
  tLogoEventTab& events() const { return *events_; }

  const std::vector<tLogoVarTab*>& variableChain() const { return variableChain_; }
  const std::vector<tLogoTab*>& procedureChain() const { return procedureChain_; }
  const std::vector<tLogoEventTab*>& eventChain() const { return eventChain_; }
  const std::vector<tLogoTab*>& ownProcedureChain() const { return ownProcedureChain_; }
  // The chain that the procedure `code` is looked up in.
  const std::vector<tLogoTab*>& chainFor(NameCode code) const;

  // The first entry of `code` along its chain, or nullptr.
  tTabDesc* findProcedure(NameCode code) const;
  tLogoVarDesc* findVariable(NameCode code) const;
  Value eventHandler(NameCode code) const;

  // Builds the four chains from the graph's parents and place, whose own
  // chains are built already.
  void rebuildChains(const ObjectGraph& graph);
  // Forgets the chains (the object is destroyed); the own tables stay.
  void clearChains();

 private:
  std::unique_ptr<tLogoTab> procedures_;
  std::unique_ptr<tLogoVarTab> variables_;
  std::unique_ptr<tLogoEventTab> events_;

  std::vector<tLogoVarTab*> variableChain_;
  std::vector<tLogoTab*> procedureChain_;
  std::vector<tLogoEventTab*> eventChain_;
  std::vector<tLogoTab*> ownProcedureChain_;  // own and founding parents only
};

}  // namespace lx
