// Arithmetic on lists of numbers. A vector is a non-empty list of numbers; a
// point list is a non-empty list whose non-empty elements are points (lists
// of two numbers) or point lists themselves. Vectors combine element by
// element; point lists are shifted or scaled point by point. The numbers
// combine by the word arithmetic, so integers stay integers.
#pragma once

#include "values/list.h"

namespace lx {

// + and - (difference): a point list shifted by a two-number vector (either
// side), or two vectors of equal length element by element.
Value listPlus(const tLogoList& a, const tlogoobject& b);
Value listMinus(const tLogoList& a, const tlogoobject& b);

// *, /, div, mod with a list on the left: a point list by a number or a
// two-number vector; a vector by a number, or by a vector of equal length
// element by element.
Value listTimes(const tLogoList& a, const tlogoobject& b);
Value listDivide(const tLogoList& a, const tlogoobject& b);
Value listDiv(const tLogoList& a, const tlogoobject& b);
Value listMod(const tLogoList& a, const tlogoobject& b);

// A number times or divided by each number of a list.
Value numberTimesList(const tlogoobject& a, const tLogoList& b);
Value numberDividedByList(const tlogoobject& a, const tLogoList& b);

// Element-wise operations on every number of a vector or point list.
Value listNegate(const tLogoList& a);
Value listUnaryPlus(const tLogoList& a);
Value listRandom(const tLogoList& a);
Value listAbs(const tLogoList& a);
Value listInt(const tLogoList& a);
Value listRound(const tLogoList& a);

// True for a list of exactly two numbers.
bool isPoint(const tlogoobject& value);
bool isPointList(const tLogoList& list);

}  // namespace lx
