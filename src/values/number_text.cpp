// Number recognition and the exact printing of numbers.
#include "values/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace lx {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the real grammar by hand: the conversion routine would also take
// "inf", "nan" and hexadecimal forms, which are not numbers in Logo.
bool looksLikeReal(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

void stripTrailingZeros(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (!digits.empty() && digits.back() == '.') digits.pop_back();
}

}  // namespace

std::optional<int32_t> parseInteger(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (*begin == '+') ++begin;
  if (begin == end || (*begin == '-' && text.front() == '+')) return std::nullopt;
  int32_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<long double> parseReal(std::string_view text) {
  if (!looksLikeReal(text)) return std::nullopt;
  // from_chars ignores the locale, so "." is the separator whatever the
  // user's settings. It rejects a leading "+", which Logo accepts.
  if (text.front() == '+') text.remove_prefix(1);
  long double value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (stop != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large is not a number.
    const size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-') return 0.0L;
    return std::nullopt;
  }
  return value;
}

std::string formatInteger(int64_t value) { return std::to_string(value); }

std::string formatReal(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  // Round to 6 significant digits first: the exponent after rounding decides
  // the notation (999999.7 has 7 digits before the point once rounded).
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.5Le", value);
  std::string scientific = buffer;
  const size_t e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  if (exponent >= -5 && exponent < 6) {
    std::snprintf(buffer, sizeof buffer, "%.*Lf", 5 - exponent, value);
    std::string fixed = buffer;
    stripTrailingZeros(fixed);
    return fixed;
  }
  std::string mantissa = scientific.substr(0, e);
  stripTrailingZeros(mantissa);
  return mantissa + "E" + (exponent < 0 ? "-" : "+") + std::to_string(std::abs(exponent));
}

}  // namespace lx
