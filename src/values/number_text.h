// How text becomes a number and how numbers become text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lx {

// The whole text as a signed 32-bit decimal integer (optional sign, digits,
// nothing else).
std::optional<int32_t> parseInteger(std::string_view text);
// The whole text as an extended real: optional sign, digits with an optional
// ".", an optional exponent "E"/"e" with optional sign. No blanks. The
// decimal separator is always ".".
std::optional<long double> parseReal(std::string_view text);

// An integer in plain decimal.
std::string formatInteger(int64_t value);
// A real in the general format with 6 significant digits: fixed notation
// without trailing zeros when the magnitude is at least 0.00001 and at most
// 6 digits stand before the point, else "d.dddddE+x" with the exponent
// written without leading zeros.
std::string formatReal(long double value);

}  // namespace lx
