// Building the value-class method tables.
#include "interp/value_class_tables.h"

#include "interp/compiled_list.h"
#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/registry.h"
#include "interp/value_methods.h"
#include "values/arithmetic.h"
#include "values/comparison.h"
#include "values/list_access.h"
#include "values/list_editing.h"
#include "values/list_search.h"
#include "values/list_sort.h"
#include "values/list_template.h"
#include "values/point_geometry.h"
#include "values/point_list_conversions.h"
#include "values/pools.h"
#include "values/vector_arithmetic.h"
#include "values/word_operations.h"

namespace lx {
namespace {

using M0 = MethodRoutine<0>::type;
using M1 = MethodRoutine<1>::type;
using M2 = MethodRoutine<2>::type;

// One entry under every spelling of `internalName` (or under the literal
// operator text when `literal` is set).
void method0(tLogoTab& t, std::string_view name, M0 routine) { registerPrimitive<tPasProcDesc0p>(t, name, routine); }
void method1(tLogoTab& t, std::string_view name, M1 routine) { registerPrimitive<tPasProcDesc1p>(t, name, routine); }
void method2(tLogoTab& t, std::string_view name, M2 routine) { registerPrimitive<tPasProcDesc2p>(t, name, routine); }
void operator1(tLogoTab& t, std::string_view text, M1 routine) { registerLiteral<tPasProcDesc1p>(t, text, routine); }
void operator0(tLogoTab& t, std::string_view text, M0 routine) { registerLiteral<tPasProcDesc0p>(t, text, routine); }

const tLogoList& listOf(const Value& v) { return *asList(*v); }

Value lessThan(const Value& a, const Value& b) { return makeBool(lessP(*a, *b)); }
Value greaterThan(const Value& a, const Value& b) { return makeBool(greaterP(*a, *b)); }
Value lessOrEqual(const Value& a, const Value& b) { return makeBool(lessOrEqualP(*a, *b)); }
Value greaterOrEqual(const Value& a, const Value& b) { return makeBool(greaterOrEqualP(*a, *b)); }
Value equal(const Value& a, const Value& b) { return makeBool(a->equals(*b)); }
Value notEqual(const Value& a, const Value& b) { return makeBool(a->notEquals(*b)); }
Value plusAny(const Value& a, const Value& b) { return plus(*a, *b); }
Value minusAny(const Value& a, const Value& b) { return minus(*a, *b); }

// Times and divide take a list on the right element by element.
Value timesAny(const Value& a, const Value& b) {
  if (const tLogoList* list = asList(*b)) return numberTimesList(*a, *list);
  return times(*a, *b);
}
Value divideAny(const Value& a, const Value& b) {
  if (const tLogoList* list = asList(*b)) return numberDividedByList(*a, *list);
  return divide(*a, *b);
}

// The same answers on two integers (the evaluator checks both are), without
// the operand tests and conversions: the common case in loops.
int32_t integerOf(const Value& v) { return static_cast<const tLogoInt&>(*v).value; }
Value plusIntegers(const Value& a, const Value& b) { return makeNumber(int64_t{integerOf(a)} + integerOf(b)); }
Value minusIntegers(const Value& a, const Value& b) { return makeNumber(int64_t{integerOf(a)} - integerOf(b)); }
Value timesIntegers(const Value& a, const Value& b) { return makeNumber(int64_t{integerOf(a)} * integerOf(b)); }
Value lessIntegers(const Value& a, const Value& b) { return makeBool(integerOf(a) < integerOf(b)); }
Value greaterIntegers(const Value& a, const Value& b) { return makeBool(integerOf(a) > integerOf(b)); }
Value lessOrEqualIntegers(const Value& a, const Value& b) { return makeBool(integerOf(a) <= integerOf(b)); }
Value greaterOrEqualIntegers(const Value& a, const Value& b) { return makeBool(integerOf(a) >= integerOf(b)); }
Value equalIntegers(const Value& a, const Value& b) { return makeBool(integerOf(a) == integerOf(b)); }
Value notEqualIntegers(const Value& a, const Value& b) { return makeBool(integerOf(a) != integerOf(b)); }

// The binary operators' methods on words and numbers, each beside its form
// on two integers (division has none: its answer is real).
struct OperatorRoutine {
  const char* text;
  M1 routine;
  M1 onIntegers;
};
constexpr OperatorRoutine kComparisons[] = {
    {"<", lessThan, lessIntegers},   {">", greaterThan, greaterIntegers}, {"<=", lessOrEqual, lessOrEqualIntegers},
    {">=", greaterOrEqual, greaterOrEqualIntegers}, {"=", equal, equalIntegers}, {"<>", notEqual, notEqualIntegers}};
constexpr OperatorRoutine kArithmetic[] = {
    {"+", plusAny, plusIntegers}, {"-", minusAny, minusIntegers}, {"*", timesAny, timesIntegers}, {"/", divideAny, nullptr}};

// What words and numbers share: the characters as elements, comparison and
// equality.
void addWordOperations(tLogoTab& t) {
  method0(t, "count", [](const Value& w) { return wordCount(*w); });
  method0(t, "first", [](const Value& w) { return wordFirst(*w); });
  method0(t, "butfirst", [](const Value& w) { return wordButfirst(*w); });
  method0(t, "last", [](const Value& w) { return wordLast(*w); });
  method0(t, "butlast", [](const Value& w) { return wordButlast(*w); });
  method0(t, "shuffle", [](const Value& w) { return wordShuffle(*w); });
  method0(t, "pick", [](const Value& w) { return wordPick(*w); });
  method0(t, "reverse", [](const Value& w) { return wordReverse(*w); });
  method0(t, "ascii", [](const Value& w) { return asciiOf(*w); });
  method0(t, "char", [](const Value& w) { return charOf(*w); });
  method1(t, "fput", [](const Value& w, const Value& x) { return wordFput(*w, *x); });
  method1(t, "lput", [](const Value& w, const Value& x) { return wordLput(*w, *x); });
  method1(t, "item", [](const Value& w, const Value& n) { return wordItem(*w, n); });
  method1(t, "butmember", [](const Value& w, const Value& x) { return wordButmember(*w, *x); });
  method1(t, "frommember", [](const Value& w, const Value& x) { return wordFrommember(*w, *x); });
  method1(t, "member?", [](const Value& w, const Value& x) { return wordMemberP(*w, *x); });
  method1(t, "member", [](const Value& w, const Value& x) { return wordMember(*w, *x); });
  method1(t, "butitem", [](const Value& w, const Value& span) { return wordButitem(*w, span); });
  method2(t, "replace", [](const Value& w, const Value& span, const Value& x) { return wordReplace(*w, span, *x); });
  method1(t, "less?", lessThan);
  method1(t, "greater?", greaterThan);
  for (const OperatorRoutine& op : kComparisons) operator1(t, op.text, op.routine);
}

void addNumberOperations(tLogoTab& t) {
  for (const OperatorRoutine& op : kArithmetic) operator1(t, op.text, op.routine);
  operator0(t, "<unary ->", [](const Value& a) { return negate(*a); });
  operator0(t, "<unary +>", [](const Value& a) { return unaryPlus(*a); });
  method1(t, "div", [](const Value& a, const Value& b) { return intDiv(*a, *b); });
  method1(t, "mod", [](const Value& a, const Value& b) { return modulo(*a, *b); });
  method1(t, "quotient", divideAny);
  method1(t, "difference", minusAny);
  method0(t, "random", [](const Value& a) { return randomOf(*a); });
  method0(t, "abs", [](const Value& a) { return absOf(*a); });
  method0(t, "int", [](const Value& a) { return intOf(*a); });
  method0(t, "round", [](const Value& a) { return roundOf(*a); });
  method0(t, "sin", [](const Value& a) { return sinOf(*a); });
  method0(t, "cos", [](const Value& a) { return cosOf(*a); });
  method0(t, "tan", [](const Value& a) { return tanOf(*a); });
  method0(t, "arctan", [](const Value& a) { return arctanOf(*a); });
  method0(t, "exp", [](const Value& a) { return expOf(*a); });
  method0(t, "ln", [](const Value& a) { return lnOf(*a); });
  method0(t, "sqrt", [](const Value& a) { return sqrtOf(*a); });
}

void addBitsAndNot(tLogoTab& t) {
  method0(t, "bitnot", [](const Value& a) { return bitnotOf(*a); });
  method0(t, "not", [](const Value& a) { return notOf(*a); });
}

// Booleans answer div and mod only to say they cannot.
Value notForBooleans(const Value& a, const Value&) { throw eLogoException(erExpectNumber, a); }

// `not` of a list runs it as an expression.
Value notOfList(const Value& list) {
  const Value result = evaluateValue(*list);
  if (!result) throw eLogoException(erNotBool, list);
  return makeBool(!result->asBool());
}

void addListOperations(tLogoTab& t) {
  method0(t, "count", [](const Value& l) { return listCount(listOf(l)); });
  method0(t, "first", [](const Value& l) { return listFirst(listOf(l)); });
  method0(t, "butfirst", [](const Value& l) { return listButfirst(listOf(l)); });
  method0(t, "last", [](const Value& l) { return listLast(listOf(l)); });
  method0(t, "butlast", [](const Value& l) { return listButlast(listOf(l)); });
  method0(t, "reverse", [](const Value& l) { return listReverse(listOf(l)); });
  method0(t, "shuffle", [](const Value& l) { return listShuffle(listOf(l)); });
  method0(t, "pick", [](const Value& l) { return listPick(listOf(l)); });
  method0(t, "sort", [](const Value& l) { return listSort(listOf(l)); });
  method0(t, "not", notOfList);
  method0(t, "!", [](const Value& l) { return fillTemplate(listOf(l), TemplatePositions::All); });
  method0(t, "!2", [](const Value& l) { return fillTemplate(listOf(l), TemplatePositions::Even); });
  method1(t, "fput", [](const Value& l, const Value& x) { return listFput(listOf(l), x); });
  method1(t, "lput", [](const Value& l, const Value& x) { return listLput(listOf(l), x); });
  method1(t, "item", [](const Value& l, const Value& n) { return listItem(listOf(l), n); });
  method1(t, "deepitem", [](const Value& l, const Value& path) { return listDeepitem(listOf(l), path); });
  method1(t, "butitem", [](const Value& l, const Value& span) { return listButitem(listOf(l), span); });
  method2(t, "replace", [](const Value& l, const Value& span, const Value& x) { return listReplace(listOf(l), span, x); });
  method2(t, "deepreplace",
          [](const Value& l, const Value& path, const Value& x) { return listDeepreplace(listOf(l), path, x); });
  method1(t, "member?", [](const Value& l, const Value& x) { return listMemberP(listOf(l), *x); });
  method1(t, "member", [](const Value& l, const Value& x) { return listMember(listOf(l), *x); });
  method1(t, "butmember", [](const Value& l, const Value& x) { return listButmember(listOf(l), *x); });
  method1(t, "frommember", [](const Value& l, const Value& x) { return listFrommember(listOf(l), *x); });
  operator1(t, "=", [](const Value& a, const Value& b) -> Value { return makeBool(a->equals(*b)); });
  operator1(t, "<>", [](const Value& a, const Value& b) -> Value { return makeBool(a->notEquals(*b)); });
  operator1(t, "+", [](const Value& a, const Value& b) { return listPlus(listOf(a), *b); });
  operator1(t, "-", [](const Value& a, const Value& b) { return listMinus(listOf(a), *b); });
  method1(t, "difference", [](const Value& a, const Value& b) { return listMinus(listOf(a), *b); });
  operator1(t, "*", [](const Value& a, const Value& b) { return listTimes(listOf(a), *b); });
  operator1(t, "/", [](const Value& a, const Value& b) { return listDivide(listOf(a), *b); });
  method1(t, "quotient", [](const Value& a, const Value& b) { return listDivide(listOf(a), *b); });
  method1(t, "div", [](const Value& a, const Value& b) { return listDiv(listOf(a), *b); });
  method1(t, "mod", [](const Value& a, const Value& b) { return listMod(listOf(a), *b); });
  operator0(t, "<unary ->", [](const Value& a) { return listNegate(listOf(a)); });
  operator0(t, "<unary +>", [](const Value& a) { return listUnaryPlus(listOf(a)); });
  method0(t, "random", [](const Value& a) { return listRandom(listOf(a)); });
  method0(t, "abs", [](const Value& a) { return listAbs(listOf(a)); });
  method0(t, "int", [](const Value& a) { return listInt(listOf(a)); });
  method0(t, "round", [](const Value& a) { return listRound(listOf(a)); });
  method1(t, "vectorangle", [](const Value& a, const Value& b) { return vectorAngle(listOf(a), *b); });
  method1(t, "rotate", [](const Value& points, const Value& angle) { return rotatePoints(listOf(points), *angle); });
  method0(t, "topoints", [](const Value& l) { return toPoints(listOf(l)); });
  method0(t, "tovectors", [](const Value& l) { return toVectors(listOf(l)); });
  method0(t, "spline", [](const Value& l) { return splineThrough(listOf(l)); });
  method0(t, "randompos", [](const Value& l) { return randomPointIn(listOf(l)); });
}

// The value of a template's ":name" or "( ... )" group.
Value evaluateTemplatePart(const Value& expression) {
  const Value result = evaluateValue(*expression);
  if (!result) throw eLogoException(erDidNotReport, expression);
  return result;
}

}  // namespace

void initValueClassTables() {
  for (ValueKind kind : {ValueKind::Word, ValueKind::Integer, ValueKind::Real, ValueKind::Boolean, ValueKind::List})
    valueClassTable(kind).eraseAll();
  for (ValueKind kind : {ValueKind::Word, ValueKind::Integer, ValueKind::Real, ValueKind::Boolean})
    addWordOperations(valueClassTable(kind));
  for (ValueKind kind : {ValueKind::Word, ValueKind::Integer, ValueKind::Real})
    addNumberOperations(valueClassTable(kind));
  addBitsAndNot(valueClassTable(ValueKind::Word));
  addBitsAndNot(valueClassTable(ValueKind::Integer));
  tLogoTab& booleans = valueClassTable(ValueKind::Boolean);
  addBitsAndNot(booleans);
  method1(booleans, "div", notForBooleans);
  method1(booleans, "mod", notForBooleans);
  addListOperations(valueClassTable(ValueKind::List));
  setTemplateEvaluator(evaluateTemplatePart);
}

void registerOperators(tLogoTab& table) {
  // Operators: their left input is the receiver.
  for (const char* op : {"+", "-"}) registerLiteral<tObjectProc1Desc>(table, op, 4, 2u);
  for (const char* op : {"*", "/"}) registerLiteral<tObjectProc1Desc>(table, op, 5, 2u);
  for (const char* op : {"<", ">", "<=", ">=", "=", "<>"}) registerLiteral<tObjectProc1Desc>(table, op, 2, 2u);
  for (const char* op : {"<unary ->", "<unary +>"}) registerLiteral<tObjectProc1Desc>(table, op, 3, 1u);
  auto shortcut = [&](const OperatorRoutine& op) { table.find(codeOf(op.text))->asProcedure()->onTwoIntegers = op.onIntegers; };
  for (const OperatorRoutine& op : kComparisons) shortcut(op);
  for (const OperatorRoutine& op : kArithmetic) shortcut(op);
  // Primitives that work on their first input.
  for (const char* name : {"quotient", "difference", "vectorangle", "less?", "greater?", "div", "mod"})
    registerPrimitive<tObjectProc1Desc>(table, name, 0, 2u);
  // Primitives that work on their last input.
  for (const char* name : {"count", "first", "!", "!2", "random", "abs", "int", "round", "sin", "cos", "tan",
                           "arctan", "exp", "ln", "sqrt", "butfirst", "last", "butlast", "shuffle", "sort", "pick",
                           "reverse", "ascii", "char", "bitnot", "topoints", "tovectors", "spline", "randompos"})
    registerPrimitive<tObjectProcEndDesc>(table, name, 1u);
  registerPrimitive<tObjectProcEndDesc>(table, "not", 1u, true);
  for (const char* name : {"fput", "lput", "rotate", "butmember", "item", "frommember", "member?", "member",
                           "deepitem", "butitem"})
    registerPrimitive<tObjectProcEndDesc>(table, name, 2u);
  // Primitives that work on their second input of three.
  for (const char* name : {"replace", "deepreplace"}) registerPrimitive<tObjectProcNDesc>(table, name, 3u, 1u);
}

}  // namespace lx
