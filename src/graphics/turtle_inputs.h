// Reading the inputs of turtle commands and properties: numbers that may be
// the word `any`, points, and the numbers and points turtles output.
#pragma once

#include <string_view>

#include "graphics/surface_geometry.h"
#include "core/value.h"

namespace lx {

class tLogoTurtleParams;

bool isAnyWord(const Value& value);
// A finite number (error 12 otherwise; error 43 for an infinite one), or
// for `any` a random integer from the range of the global variable `key`
// (default low..high).
long double numberOrAny(const Value& value, std::string_view key, int low, int high);
// A whole number within lo..hi, or for `any` a random one in anyLow..anyHigh.
int wholeOrAny(const Value& value, int lo, int hi, int anyLow, int anyHigh);
// A random pixel point of the turtle's surface, `anypos` away from its edges.
PointF randomPixelPoint(const tLogoTurtleParams& turtle);
// One page coordinate: a number or `any` (a random one on that axis).
long double coordinateOrAny(const Value& value, const tLogoTurtleParams& turtle, bool xAxis);
// A number as Logo shows it: whole values as integers.
Value numberValue(long double v);

}  // namespace lx
