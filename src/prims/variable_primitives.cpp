// Workspace primitives for variables and procedures.
#include "prims/variable_primitives.h"

#include "interp/entry_saving.h"
#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/procedure_definition.h"
#include "interp/procedure_resolver.h"
#include "interp/registry.h"
#include "interp/variables.h"
#include "lang/localized_codes.h"
#include "objects/main_object.h"
#include "prims/main_output.h"
#include "values/arithmetic.h"
#include "values/list_builder.h"
#include "values/list_template.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

// Buried entries stay in the workspace but are left out of listings.
constexpr uint8_t kBuried = 2;

NameCode variableName(const Value& name) {
  if (!name->isWord()) throw eLogoException(erExpectWord, name);
  if (name->isEmpty()) throw eLogoException(erEmptyWord, name);
  return name->nameCode();
}

// The current object's own procedures: what `define` adds to and `erase`
// looks in first (at top level the global procedures). The workspace
// listings show the global procedures wherever they run.
tLogoTab& procedures() { return procedureResolver().ownProcedures(threadState().currentObject); }

// What the name calls from the current object, along its chain.
tTabDesc* procedureSeen(const Value& name) {
  return procedureResolver().findProcedure(threadState().currentObject, name->nameCode());
}

Value make(const Value& name, const Value& value) {
  setVariable(variableName(name), value);
  return nullptr;
}

Value nameCommand(const Value& value, const Value& name) { return make(name, value); }

Value thing(const Value& name) { return variableValue(variableName(name)); }

// Each input a word or a list of words, each a new local without a value.
Value localNames(tLogoStack& stack, int count) {
  std::vector<Value> inputs = stack.takeInputs(count);
  tLogoLocaltab& locals = threadState().locals;
  for (const Value& input : inputs) {
    if (const tLogoList* names = asList(*input)) {
      for (const Value& name : *names) locals.bindLocal(variableName(name), nullptr);
    } else {
      locals.bindLocal(variableName(input), nullptr);
    }
  }
  return nullptr;
}

Value letPairs(tLogoStack& stack, int count) {
  std::vector<Value> inputs = stack.takeInputs(count);
  tLogoLocaltab& locals = threadState().locals;
  for (size_t i = 0; i < inputs.size(); ++i) {
    if (const tLogoList* pairs = asList(*inputs[i])) {
      if (pairs->count() % 2 != 0) throw eLogoException(erBadStructure, inputs[i]);
      const Value filled = fillTemplate(*pairs, TemplatePositions::Even);
      for (auto it = asList(*filled)->begin(); it != asList(*filled)->end(); ++it) {
        const NameCode name = variableName(*it);
        locals.bindOrSetLocal(name, *++it);
      }
    } else if (inputs[i]->isWord()) {
      if (i + 1 >= inputs.size()) throw eLogoException::withPrim(erNotEnoughInputs, codeOfInternal("let"));
      locals.bindOrSetLocal(variableName(inputs[i]), inputs[i + 1]);
      ++i;
    } else {
      throw eLogoException(erExpectWord, inputs[i]);
    }
  }
  return nullptr;
}

Value step(tLogoStack& stack, int count, bool up, std::string_view primitive) {
  if (count < 1) throw eLogoException::withPrim(erNotEnoughInputs, codeOfInternal(primitive));
  if (count > 2) throw eLogoException::withPrim(erTooManyInputs, codeOfInternal(primitive));
  const Value amount = count == 2 ? stack.take() : Value(makeInt(1));
  const Value name = stack.take();
  const NameCode code = variableName(name);
  const Value current = variableValue(code);
  if (!current->isNumber()) throw eLogoException(erExpectNumber, current);
  setVariable(code, up ? plus(*current, *amount) : minus(*current, *amount));
  return nullptr;
}

Value inc(tLogoStack& stack, int count) { return step(stack, count, true, "inc"); }
Value dec(tLogoStack& stack, int count) { return step(stack, count, false, "dec"); }

Value define(const Value& name, const Value& text) {
  const tLogoList* definition = asList(*text);
  if (!definition) throw eLogoException(erExpectList, text);
  defineProcedure(procedures(), procedureFromList(variableName(name), *definition));
  return nullptr;
}

Value textOf(const Value& name) {
  if (const tLogoList* items = asList(*name)) {
    ListBuilder read;
    for (const Value& item : *items) read.add(readList(item->printText(0)));
    return read.finish();
  }
  variableName(name);
  const auto* procedure = dynamic_cast<const tProcDesc*>(procedureSeen(name));
  const Value list = procedure ? procedure->definitionList() : nullptr;
  return list ? list : Value(tLogoList::empty());
}

bool nameP(const Value& name) {
  if (!name->isWord() || name->isEmpty()) return false;
  const tLogoVarDesc* found = findVariable(name->nameCode());
  return found && found->value;
}

bool definedP(const Value& name) {
  if (!name->isWord()) return false;
  const tTabDesc* desc = procedureSeen(name);
  return desc && !(desc->flags & kBuiltIn);
}

bool primitiveP(const Value& name) {
  if (!name->isWord()) return false;
  const tTabDesc* desc = procedureSeen(name);
  return desc && (desc->flags & kBuiltIn);
}

// Names of the entries of a table that are neither built in nor buried.
Value listedNames(const tLogoTab& table) {
  ListBuilder names;
  table.forEach([&](tTabDesc& d) {
    if (!(d.flags & (kBuiltIn | kBuried))) names.add(makeWord(d.nameText()));
  });
  return names.finish();
}

Value procs() { return listedNames(globalProcedures()); }
Value names() { return listedNames(globalVariables()); }

// Applies `change` to the entries an input names: a word or a list of words,
// looked for among the current object's procedures, the global procedures
// and then the global variables.
template <class Change>
Value forEachNamed(const Value& input, Change change) {
  auto one = [&](const Value& name) {
    const NameCode code = variableName(name);
    tTabDesc* desc = procedures().findOrNull(code);
    if (!desc) desc = globalProcedures().findOrNull(code);
    if (!desc) desc = globalVariables().findOrNull(code);
    if (!desc) throw eLogoException::withName(erDoNotKnowHowTo, code);
    change(*desc);
  };
  if (const tLogoList* names = asList(*input)) {
    for (const Value& name : *names) one(name);
  } else {
    one(input);
  }
  return nullptr;
}

Value erase(const Value& input) {
  return forEachNamed(input, [](tTabDesc& desc) {
    if (desc.flags & kBuiltIn) throw eLogoException::withName(erCannotEraseProcIsPrim, desc.name);
    if (!desc.mayErase()) throw eLogoException::withName(erRedefineUsedProc, desc.name);
    desc.table->eraseEntry(desc.name);
  });
}

Value bury(const Value& input) {
  return forEachNamed(input, [](tTabDesc& desc) { desc.flags |= kBuried; });
}

Value unbury(const Value& input) {
  return forEachNamed(input, [](tTabDesc& desc) { desc.flags &= static_cast<uint8_t>(~kBuried); });
}

Value buried() {
  ListBuilder names;
  globalProcedures().forEach([&](tTabDesc& d) {
    if (d.flags & kBuried) names.add(makeWord(d.nameText()));
  });
  return names.finish();
}

Value doNotSave(const Value& input) {
  return forEachNamed(input, [](tTabDesc& desc) { desc.flags |= kNotSaved; });
}

// Writes a procedure's definition, or a variable's `make` line, to the
// main object's output.
void printOut(const tTabDesc& desc) {
  if (desc.isVariable()) {
    const std::string line = variableSaveLine(static_cast<const tLogoVarDesc&>(desc), SaveKind::Make);
    if (!line.empty()) writeMainOutput(line + "\r\n");
    return;
  }
  writeMainOutput(desc.definitionText() + "\r\n");
}

Value po(const Value& input) {
  return forEachNamed(input, [](tTabDesc& desc) { printOut(desc); });
}

// One line per pair of every property list of the main object.
Value pps() {
  for (const std::string& line : mainObject()->propertyLists.listing()) writeMainOutput(line + "\r\n");
  return nullptr;
}

Value printNames(const tLogoTab& table) {
  const Value names = listedNames(table);
  writeMainOutput(names->printText(0) + "\r\n");
  return nullptr;
}

Value printProcedures() { return printNames(globalProcedures()); }
Value printVariables() { return printNames(globalVariables()); }

Value doNotSaveAllVariables() {
  globalVariables().forEach([](tTabDesc& d) { d.flags |= kNotSaved; });
  return nullptr;
}

}  // namespace

void registerVariablePrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "make", true, make);
  registerPrimitive<tMainPasProcDesc2p>(table, "name_command", true, nameCommand);
  registerPrimitive<tMainPasProcDesc1p>(table, "thing", false, thing);
  registerPrimitive<tMainPasProcDesc>(table, "local", false, 1u, localNames);
  registerPrimitive<tMainPasProcDesc>(table, "let", true, 2u, letPairs);
  registerPrimitive<tMainPasProcDesc>(table, "inc", false, 1u, inc);
  registerPrimitive<tMainPasProcDesc>(table, "dec", false, 1u, dec);
  registerPrimitive<tMainPasProcDesc2p>(table, "define", false, define);
  registerPrimitive<tMainPasProcDesc1p>(table, "text", false, textOf);
  registerPrimitive<tMainPasProcDesc1b>(table, "name?", false, nameP);
  registerPrimitive<tMainPasProcDesc1b>(table, "defined?", false, definedP);
  registerPrimitive<tMainPasProcDesc1b>(table, "primitive?", false, primitiveP);
  registerPrimitive<tMainPasProcDesc0p>(table, "procs", false, procs);
  registerPrimitive<tMainPasProcDesc0p>(table, "names", false, names);
  registerPrimitive<tMainPasProcDesc0p>(table, "variables", false, names);
  registerPrimitive<tMainPasProcDesc1p>(table, "erase", false, erase);
  registerPrimitive<tMainPasProcDesc1p>(table, "po", false, po);
  registerPrimitive<tMainPasProcDesc0p>(table, "pps", false, pps);
  registerPrimitive<tMainPasProcDesc0p>(table, ".procedures", false, printProcedures);
  registerPrimitive<tMainPasProcDesc0p>(table, ".variables", false, printVariables);
  registerPrimitive<tMainPasProcDesc1p>(table, "bury", false, bury);
  registerPrimitive<tMainPasProcDesc1p>(table, "unbury", false, unbury);
  registerPrimitive<tMainPasProcDesc0p>(table, "buried", false, buried);
  for (const char* name : {".donotsave", ".donotsaveproc", ".donotsavevar"})
    registerPrimitive<tMainPasProcDesc1p>(table, name, false, doNotSave);
  registerPrimitive<tMainPasProcDesc0p>(table, ".donotsaveallvars", false, doNotSaveAllVariables);
}

}  // namespace lx
