// Point list conversions: accumulating steps, differences, splines and
// random points. Nested point lists are walked one level per call, at most
// kMaxPointNesting levels deep (error 10 beyond), so no list exhausts the stack.
#include "values/point_list_conversions.h"

#include <cmath>
#include <vector>

#include "core/logo_exception.h"
#include "values/arithmetic.h"
#include "values/list_builder.h"
#include "values/point_geometry.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

const tLogoList& requirePointList(const tLogoList& list, int depth) {
  if (depth > kMaxPointNesting || !isPointList(list)) throw eLogoException(erExpectList2, selfRef(list));
  return list;
}

Value pairOf(Value x, Value y) {
  ListBuilder point;
  point.add(std::move(x));
  point.add(std::move(y));
  return point.finish();
}

const Value& xOf(const tLogoList& point) {
  return point.element();
}
const Value& yOf(const tLogoList& point) {
  return point.rest()->element();
}

// Walks the points of a run in order, nested lists each on their own.
// `step(previous, point)` gives the new point; `previous` is null for the
// first point of the list.
template <class Step>
Value chainPoints(const tLogoList& list, int depth, Step step) {
  requirePointList(list, depth);
  ListBuilder builder;
  Value previousSource;
  Value previousResult;
  for (const Value& element : list) {
    const tLogoList& inner = *asList(*element);
    if (inner.isEmpty()) {
      builder.add(element);
    } else if (isPoint(inner)) {
      Value result = step(previousSource.get(), previousResult.get(), inner);
      previousSource = element;
      previousResult = result;
      builder.add(std::move(result));
    } else {
      builder.add(chainPoints(inner, depth + 1, step));
    }
  }
  return builder.finish();
}

Value pointsAt(const tLogoList& list, int depth) {
  return chainPoints(list, depth, [](const tlogoobject*, const tlogoobject* previous, const tLogoList& step) {
    if (!previous) return selfValue(step);
    const tLogoList& p = *asList(*previous);
    return pairOf(plus(*xOf(p), *xOf(step)), plus(*yOf(p), *yOf(step)));
  });
}

Value vectorsAt(const tLogoList& list, int depth) {
  return chainPoints(list, depth,
                     [](const tlogoobject* previous, const tlogoobject*, const tLogoList& point) {
                       if (!previous) return selfValue(point);
                       const tLogoList& p = *asList(*previous);
                       return pairOf(minus(*xOf(point), *xOf(p)), minus(*yOf(point), *yOf(p)));
                     });
}

struct XY {
  long double x, y;
};

XY coordinates(const tLogoList& point) {
  return {xOf(point)->asReal(), yOf(point)->asReal()};
}

// The Catmull-Rom curve between b and c, with a and d the neighbours.
XY catmullRom(XY a, XY b, XY c, XY d, long double t) {
  const long double t2 = t * t, t3 = t2 * t;
  auto blend = [&](long double p0, long double p1, long double p2, long double p3) {
    return 0.5L *
           (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 + (3 * p1 - p0 - 3 * p2 + p3) * t3);
  };
  return {blend(a.x, b.x, c.x, d.x), blend(a.y, b.y, c.y, d.y)};
}

void addCurve(ListBuilder& builder, std::vector<Value>& run) {
  if (run.size() < 3) {
    for (Value& point : run) builder.add(std::move(point));
    run.clear();
    return;
  }
  std::vector<XY> p;
  for (const Value& point : run) p.push_back(coordinates(*asList(*point)));
  const size_t n = p.size();
  builder.add(run.front());
  for (size_t i = 0; i + 1 < n; ++i) {
    const XY a = p[i == 0 ? 0 : i - 1], d = p[i + 2 < n ? i + 2 : n - 1];
    for (int s = 1; s < kSplineSteps; ++s) {
      const XY q = catmullRom(a, p[i], p[i + 1], d, static_cast<long double>(s) / kSplineSteps);
      builder.add(pairOf(makeReal(q.x), makeReal(q.y)));
    }
    builder.add(run[i + 1]);
  }
  run.clear();
}

Value splineAt(const tLogoList& list, int depth) {
  requirePointList(list, depth);
  ListBuilder builder;
  std::vector<Value> run;
  for (const Value& element : list) {
    const tLogoList& inner = *asList(*element);
    if (isPoint(inner)) {
      run.push_back(element);
      continue;
    }
    addCurve(builder, run);
    builder.add(inner.isEmpty() ? element : splineAt(inner, depth + 1));
  }
  addCurve(builder, run);
  return builder.finish();
}

// A random offset below `size` (whole for a whole size; 0 for no size).
Value randomOffset(const tlogoobject& size) {
  const long double extent = std::fabs(size.asReal());
  if (size.isInteger()) return makeNumber(extent >= 1 ? randomBelow(static_cast<int64_t>(extent)) : 0);
  return makeReal(extent * randomUnit());
}

}  // namespace

Value toPoints(const tLogoList& list) {
  return pointsAt(list, 0);
}
Value toVectors(const tLogoList& list) {
  return vectorsAt(list, 0);
}
Value splineThrough(const tLogoList& list) {
  return splineAt(list, 0);
}

Value randomPointIn(const tLogoList& rectangle) {
  std::vector<Value> numbers;
  const size_t count = rectangle.count();
  for (const Value& element : rectangle) {
    if (count == 3 && numbers.empty()) {
      if (!isPoint(*element)) throw eLogoException(erExpectRect, selfRef(rectangle));
      numbers.push_back(xOf(*asList(*element)));
      numbers.push_back(yOf(*asList(*element)));
    } else {
      numbers.push_back(element);
    }
  }
  if (numbers.size() != 4) throw eLogoException(erExpectRect, selfRef(rectangle));
  for (const Value& number : numbers)
    if (!number->isNumber()) throw eLogoException(erExpectRect, selfRef(rectangle));
  return pairOf(plus(*numbers[0], *randomOffset(*numbers[2])),
                minus(*numbers[1], *randomOffset(*numbers[3])));
}

}  // namespace lx
