// Calling procedures given as data.
#include "prims/higher_order_primitives.h"

#include <memory>

#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/logo_proc_desc.h"
#include "interp/primitive_descs.h"
#include "interp/procedure_resolver.h"
#include "interp/registry.h"
#include "interp/thread_state.h"
#include "lang/dictionary.h"
#include "lang/localized_codes.h"
#include "prims/collection_items.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

constexpr size_t kMaxGenerated = 10000;

// One level of a higher-order primitive running inside itself in this
// process; the level goes when the primitive ends, also by an error.
class NestingLevel {
 public:
  explicit NestingLevel(int& nesting) : nesting_(nesting) { ++nesting_; }
  ~NestingLevel() { --nesting_; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;
  int level() const { return nesting_; }

 private:
  int& nesting_;
};

// The procedure a higher-order primitive calls: a named one, or a temporary
// one made from a procedure text or a template, destroyed with this object.
class GivenProcedure {
 public:
  // `kind` is "apply", "map", "filter" or "generate" and `nesting` its
  // counter in the process's state; `inputs` the count a template takes.
  GivenProcedure(const Value& given, std::string_view kind, int& nesting, int inputs, bool asOperation)
      : level_(nesting) {
    if (given->isWord() && !given->isNumber()) {
      desc_ = findNamed(*given);
      return;
    }
    const tLogoList* list = asList(*given);
    if (!list || list->isEmpty()) throw eLogoException(erExpectWord, given);
    const std::string suffix = std::to_string(level_.level());
    if (list->element()->isList()) {
      temporary_ = fromText(*list, std::string(kind) + ".define" + suffix);
    } else {
      temporary_ = fromTemplate(given, std::string(kind) + ".template" + suffix, inputs, asOperation);
    }
    desc_ = temporary_.get();
  }
  tProcDesc& desc() const { return *desc_; }

  // Checks an input count against the procedure's (27 too few, 38 too many).
  void checkInputs(int count) const {
    if (desc_->variableInputs) return;
    const int wanted = static_cast<int>(desc_->defaultInputs);
    if (count < wanted) throw eLogoException::withName(erNotEnoughInputs, desc_->name);
    if (count > wanted) throw eLogoException::withName(erTooManyInputs, desc_->name);
  }

  // A procedure of exactly one input (or a variable count), else error 15.
  void requireOneInput(const Value& given) const {
    if (!desc_->variableInputs && desc_->defaultInputs != 1) throw eLogoException(erExpectBadProc, given);
  }

  Value call(int inputCount, bool wantValue) const { return callDescriptor(*desc_, inputCount, wantValue); }

 private:
  static tProcDesc* findNamed(const tlogoobject& name) {
    const NameCode code = name.nameCode();
    auto* desc = dynamic_cast<tProcDesc*>(procedureResolver().findProcedure(threadState().currentObject, code));
    if (!desc) throw eLogoException::withName(erDoNotKnowHowTo, code);
    return desc;
  }

  // [[inputs] line line ...]
  static std::unique_ptr<tProcDesc> fromText(const tLogoList& text, const std::string& name) {
    std::vector<NameCode> params;
    for (const Value& input : *asList(*text.element())) params.push_back(codeOf(input->wordText()));
    ListBuilder lines;
    for (auto it = ++text.begin(); it != text.end(); ++it) lines.add(*it);
    return std::make_unique<tLogoProcDescF>(codeOf(name), params, Value(lines.finish()));
  }

  static std::unique_ptr<tProcDesc> fromTemplate(const Value& templ, const std::string& name, int inputs,
                                                 bool asOperation) {
    std::vector<NameCode> params;
    if (inputs == 1) {
      params.push_back(codeOf("%"));
    } else {
      for (int i = 1; i <= inputs; ++i) params.push_back(codeOf("%" + std::to_string(i)));
    }
    ListBuilder line;
    if (asOperation) line.add(makeWord(localName("output")));
    for (const Value& item : *asList(*templ)) line.add(item);
    ListBuilder body;
    body.add(line.finish());
    return std::make_unique<tLogoProcDescF>(codeOf(name), params, Value(body.finish()));
  }

  NestingLevel level_;  // first, so that it goes also when the making fails
  tProcDesc* desc_ = nullptr;
  std::unique_ptr<tProcDesc> temporary_;
};

ThreadState::HigherOrderNesting& nesting() {
  return threadState().higherOrderNesting;
}

Value applyProcedure(tLogoStack& stack, int count, bool asFunction) {
  std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 2) throw eLogoException::withPrim(erNotEnoughInputs, codeOfInternal("apply"));
  if (count > 2) throw eLogoException::withPrim(erTooManyInputs, codeOfInternal("apply"));
  const tLogoList* list = asList(*inputs[1]);
  if (!list) throw eLogoException(erExpectList, inputs[1]);
  const int n = static_cast<int>(list->count());
  GivenProcedure procedure(inputs[0], "apply", nesting().apply, n, asFunction);
  procedure.checkInputs(n);
  for (const Value& item : *list) stack.push(item);
  return procedure.call(n, asFunction);
}

Value mapProcedure(tLogoStack& stack, int count, bool asFunction) {
  std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 2) throw eLogoException::withPrim(erNotEnoughInputs, codeOfInternal("map"));
  std::vector<std::vector<Value>> data;
  for (size_t i = 1; i < inputs.size(); ++i) {
    data.push_back(collectionItems(inputs[i]));
    if (data.back().size() != data.front().size()) throw eLogoException(erBadStructure, inputs[i]);
  }
  const int n = static_cast<int>(data.size());
  GivenProcedure procedure(inputs[0], "map", nesting().map, n, asFunction);
  procedure.checkInputs(n);
  ListBuilder results;
  for (size_t index = 0; index < data.front().size(); ++index) {
    for (const auto& items : data) stack.push(items[index]);
    Value result = procedure.call(n, asFunction);
    if (threadState().stopFlag) return nullptr;
    if (asFunction) results.add(std::move(result));
  }
  return asFunction ? Value(results.finish()) : nullptr;
}

Value filterList(const Value& given, const Value& data) {
  const tLogoList* list = asList(*data);
  if (!list) throw eLogoException(erBadStructure, data);
  GivenProcedure procedure(given, "filter", nesting().filter, 1, true);
  procedure.requireOneInput(given);
  ListBuilder kept;
  for (const Value& item : *list) {
    threadState().stack.push(item);
    if (procedure.call(1, true)->asBool()) kept.add(item);
  }
  return kept.finish();
}

Value generateList(const Value& test, const Value& step, const Value& seed) {
  const bool counting = test->isNumber();
  int64_t remaining = counting ? std::max<int64_t>(0, test->asInteger()) : 0;
  std::unique_ptr<GivenProcedure> testProcedure;
  if (!counting) {
    testProcedure = std::make_unique<GivenProcedure>(test, "generate", nesting().generate, 1, true);
    testProcedure->requireOneInput(test);
  }
  const tLogoList* stepList = asList(*step);
  std::unique_ptr<GivenProcedure> stepProcedure;
  if (!(stepList && stepList->isEmpty())) {
    stepProcedure = std::make_unique<GivenProcedure>(step, "generate", nesting().generate, 1, true);
    stepProcedure->requireOneInput(step);
  }
  ListBuilder values;
  Value current = seed;
  for (size_t taken = 0; taken < kMaxGenerated; ++taken) {
    if (counting) {
      if (remaining-- <= 0) break;
    } else {
      threadState().stack.push(current);
      if (!testProcedure->call(1, true)->asBool()) break;
    }
    values.add(current);
    if (stepProcedure) {
      threadState().stack.push(current);
      current = stepProcedure->call(1, true);
    }
  }
  return values.finish();
}

}  // namespace

void registerHigherOrderPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDescBF>(table, "apply", false, 2u, applyProcedure);
  registerPrimitive<tMainPasProcDescBF>(table, "map", false, 2u, mapProcedure);
  registerPrimitive<tMainPasProcDesc2p>(table, "filter", false, filterList);
  registerPrimitive<tMainPasProcDesc3p>(table, "generate", false, generateList);
}

}  // namespace lx
