// Vectors and point lists: shapes, shifting, scaling and element-wise maps.
//
// Point lists may nest; the functions that walk them recurse once per level
// of nesting and refuse (error 10) beyond kMaxPointNesting levels, far more than
// any drawing needs, so that no list can exhaust the stack.
#include "values/vector_arithmetic.h"

#include <functional>

#include "core/logo_exception.h"
#include "values/arithmetic.h"
#include "values/list_builder.h"
#include "values/point_geometry.h"

namespace lx {
namespace {

using BinaryOp = Value (*)(const tlogoobject&, const tlogoobject&);
using PointMap = std::function<Value(const tLogoList& point)>;
using NumberMap = std::function<Value(const tlogoobject& number)>;

void checkNesting(int depth, const tLogoList& list) {
  if (depth > kMaxPointNesting) throw eLogoException(erBadStructure, selfRef(list));
}

bool pointListAt(const tLogoList& list, int depth) {
  checkNesting(depth, list);
  if (list.isEmpty()) return false;
  for (const Value& element : list) {
    const tLogoList* inner = asList(*element);
    if (!inner) return false;
    if (!inner->isEmpty() && !isPoint(*inner) && !pointListAt(*inner, depth + 1)) return false;
  }
  return true;
}

// A new point list with every point replaced by `map` of it; empty
// elements stay as they are.
Value mapPoints(const tLogoList& list, const PointMap& map, int depth = 0) {
  checkNesting(depth, list);
  ListBuilder builder;
  for (const Value& element : list) {
    const tLogoList& inner = *asList(*element);
    if (inner.isEmpty())
      builder.add(element);
    else if (isPoint(inner))
      builder.add(map(inner));
    else
      builder.add(mapPoints(inner, map, depth + 1));
  }
  return builder.finish();
}

// A new list with every number, at any depth, replaced by `map` of it.
Value mapNumbers(const tLogoList& list, const NumberMap& map, int depth = 0) {
  checkNesting(depth, list);
  if (list.isEmpty() && depth == 0) throw eLogoException(erEmptyList, selfRef(list));
  ListBuilder builder;
  for (const Value& element : list) {
    if (element->isNumber())
      builder.add(map(*element));
    else if (const tLogoList* inner = asList(*element))
      builder.add(mapNumbers(*inner, map, depth + 1));
    else
      throw eLogoException(erBadStructure, selfRef(list));
  }
  return builder.finish();
}

// A vector: non-empty (error 4) and nothing but numbers (error 10).
const tLogoList& requireVector(const tLogoList& list) {
  if (list.isEmpty()) throw eLogoException(erEmptyList, selfRef(list));
  for (const Value& element : list)
    if (!element->isNumber()) throw eLogoException(erBadStructure, selfRef(list));
  return list;
}

// Two vectors of equal length, element by element.
Value combineVectors(const tLogoList& a, const tLogoList& b, BinaryOp op) {
  requireVector(a);
  requireVector(b);
  if (a.count() != b.count()) throw eLogoException(erBadStructure, selfRef(b));
  ListBuilder builder;
  for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) builder.add(op(**x, **y));
  return builder.finish();
}

// [op(p1, q1) op(p2, q2)] of two points.
Value combinePoints(const tLogoList& p, const tLogoList& q, BinaryOp op) {
  return tLogoList::cons(op(*p.element(), *q.element()), tLogoList::cons(op(*p.rest()->element(), *q.rest()->element()), nullptr));
}

Value shiftOrAdd(const tLogoList& a, const tlogoobject& b, BinaryOp op) {
  const tLogoList* right = asList(b);
  if (isPointList(a)) {
    if (!right || !isPoint(*right)) throw eLogoException(erExpectList2, selfValue(b));
    return mapPoints(a, [&](const tLogoList& point) { return combinePoints(point, *right, op); });
  }
  if (!right) throw eLogoException(erExpectList, selfValue(b));
  if (isPointList(*right)) {
    if (!isPoint(a)) throw eLogoException(erExpectList2, selfRef(a));
    return mapPoints(*right, [&](const tLogoList& point) { return combinePoints(a, point, op); });
  }
  return combineVectors(a, *right, op);
}

Value scaleOrMultiply(const tLogoList& a, const tlogoobject& b, BinaryOp op) {
  const tLogoList* right = asList(b);
  if (isPointList(a)) {
    if (b.isNumber())
      return mapPoints(a, [&](const tLogoList& point) { return mapNumbers(point, [&](const tlogoobject& x) { return op(x, b); }); });
    if (right && isPoint(*right))
      return mapPoints(a, [&](const tLogoList& point) { return combinePoints(point, *right, op); });
    throw eLogoException(erExpectNumber, selfValue(b));
  }
  if (right) return combineVectors(a, *right, op);
  requireVector(a);
  return mapNumbers(a, [&](const tlogoobject& x) { return op(x, b); });
}

}  // namespace

bool isPoint(const tlogoobject& value) {
  const tLogoList* list = asList(value);
  if (!list || list->isEmpty() || !list->element()->isNumber()) return false;
  const tLogoList* second = list->rest().get();
  return second && second->element()->isNumber() && !second->rest();
}

bool isPointList(const tLogoList& list) { return pointListAt(list, 0); }

Value listPlus(const tLogoList& a, const tlogoobject& b) { return shiftOrAdd(a, b, plus); }
Value listMinus(const tLogoList& a, const tlogoobject& b) { return shiftOrAdd(a, b, minus); }

Value listTimes(const tLogoList& a, const tlogoobject& b) { return scaleOrMultiply(a, b, times); }
Value listDivide(const tLogoList& a, const tlogoobject& b) { return scaleOrMultiply(a, b, divide); }
Value listDiv(const tLogoList& a, const tlogoobject& b) { return scaleOrMultiply(a, b, intDiv); }
Value listMod(const tLogoList& a, const tlogoobject& b) { return scaleOrMultiply(a, b, modulo); }

Value numberTimesList(const tlogoobject& a, const tLogoList& b) {
  return mapNumbers(b, [&](const tlogoobject& x) { return times(a, x); });
}

Value numberDividedByList(const tlogoobject& a, const tLogoList& b) {
  return mapNumbers(b, [&](const tlogoobject& x) { return divide(a, x); });
}

Value listNegate(const tLogoList& a) { return mapNumbers(a, negate); }
Value listUnaryPlus(const tLogoList& a) { return mapNumbers(a, unaryPlus); }
Value listRandom(const tLogoList& a) { return mapNumbers(a, randomOf); }
Value listAbs(const tLogoList& a) { return mapNumbers(a, absOf); }
Value listInt(const tLogoList& a) { return mapNumbers(a, intOf); }
Value listRound(const tLogoList& a) { return mapNumbers(a, roundOf); }

}  // namespace lx
