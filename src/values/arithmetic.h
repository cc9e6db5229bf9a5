// Arithmetic on words. The left input is the value whose operation runs; the
// right input is read with asInteger/asReal, so a numeric text word works
// wherever a number does and any other word is error 12. Integer arithmetic
// stays in 32 bits and moves to extended reals when it would overflow.
#pragma once

#include <span>

#include "core/value.h"

namespace lx {

Value plus(const tlogoobject& a, const tlogoobject& b);
Value minus(const tlogoobject& a, const tlogoobject& b);
// With a list on the right, each number of the list is multiplied.
Value times(const tlogoobject& a, const tlogoobject& b);
// Always an extended real; error 32 for a zero divisor. With a list on the
// right, the number is divided by each number of the list.
Value divide(const tlogoobject& a, const tlogoobject& b);
// Floor of the quotient; error 32 for a zero divisor.
Value intDiv(const tlogoobject& a, const tlogoobject& b);
// Remainder with the sign of the divisor; error 32 for a zero divisor.
Value modulo(const tlogoobject& a, const tlogoobject& b);
Value negate(const tlogoobject& a);
Value unaryPlus(const tlogoobject& a);

// Sum and product of many inputs: 32-bit while every input is an integer
// and nothing overflows, extended real from there on.
Value sumOf(std::span<const Value> inputs);
Value productOf(std::span<const Value> inputs);

Value randomOf(const tlogoobject& a);
Value absOf(const tlogoobject& a);
// Truncation toward zero; a real beyond 32 bits stays a real.
Value intOf(const tlogoobject& a);
// Half away from zero; a real beyond 32 bits stays a real.
Value roundOf(const tlogoobject& a);
Value sqrtOf(const tlogoobject& a);
Value expOf(const tlogoobject& a);
Value lnOf(const tlogoobject& a);
// Angles in degrees.
Value sinOf(const tlogoobject& a);
Value cosOf(const tlogoobject& a);
Value tanOf(const tlogoobject& a);
Value arctanOf(const tlogoobject& a);

Value bitnotOf(const tlogoobject& a);
Value bitandOf(std::span<const Value> inputs);
Value bitorOf(std::span<const Value> inputs);
Value bitxorOf(std::span<const Value> inputs);

// The code of the first character of the printed form.
Value asciiOf(const tlogoobject& a);
// The character of a code 0..255, as a one-character word.
Value charOf(const tlogoobject& a);
// The opposite truth value; error 29 for anything but a truth value.
Value notOf(const tlogoobject& a);

// True when arithmetic would treat the value as an integer on the left.
bool isIntegerOperand(const tlogoobject& a);

}  // namespace lx
