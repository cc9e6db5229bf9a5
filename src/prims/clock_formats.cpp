// Dates and times written by patterns.
#include "prims/clock_formats.h"

#include <cctype>
#include <functional>
#include <string_view>

#include "core/global_options.h"

namespace lx {
namespace {

std::string padded(int value, size_t digits) {
  std::string text = std::to_string(value);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

// Whether `pattern` at `at` begins with `token`, ignoring letter case.
bool startsWithToken(std::string_view pattern, size_t at, std::string_view token) {
  if (pattern.size() - at < token.size()) return false;
  for (size_t i = 0; i < token.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(pattern[at + i])) != token[i]) return false;
  return true;
}

// Token lists longest first; `replace` answers the text of a token.
struct Token {
  std::string_view name;  // upper case
  int id;
};

// Walks the pattern: quoted text is copied, tokens replaced, any other
// character copied.
template <size_t N>
std::string expand(const std::string& pattern, const Token (&tokens)[N], const std::function<std::string(int)>& text) {
  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] == '\'') {
      ++i;
      while (i < pattern.size()) {
        if (pattern[i] == '\'') {
          if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            out += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out += pattern[i++];
      }
      continue;
    }
    bool matched = false;
    for (const Token& token : tokens) {
      if (!startsWithToken(pattern, i, token.name)) continue;
      out += text(token.id);
      i += token.name.size();
      matched = true;
      break;
    }
    if (!matched) out += pattern[i++];
  }
  return out;
}

// Quotes a designator so that the time formatting copies it as it is.
std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

}  // namespace

std::string formatDate(const std::string& pattern, const CalendarDate& date) {
  enum { kYear4, kYear2, kDay2, kDay, kMonth2, kMonth };
  static const Token tokens[] = {{"YYYY", kYear4}, {"YY", kYear2}, {"DD", kDay2},
                                 {"D", kDay},      {"MM", kMonth2}, {"M", kMonth}};
  return expand(pattern, tokens, [&](int id) -> std::string {
    switch (id) {
      case kYear4: return padded(date.year, 4);
      case kYear2: return padded(date.year % 100, 2);
      case kDay2: return padded(date.day, 2);
      case kDay: return std::to_string(date.day);
      case kMonth2: return padded(date.month, 2);
      default: return std::to_string(date.month);
    }
  });
}

std::string formatTime(const std::string& pattern, const TimeOfDay& time, int fractionUnit) {
  enum { kHours24Padded, kHours24, kHours12Padded, kHours12, kMinutes2, kMinutes, kSeconds2, kSeconds, kFraction2, kFraction };
  static const Token tokens[] = {{"HHHH", kHours24Padded}, {"HHH", kHours24}, {"HH", kHours12Padded},
                                 {"H", kHours12},          {"MM", kMinutes2},  {"M", kMinutes},
                                 {"SS", kSeconds2},        {"S", kSeconds},    {"XX", kFraction2},
                                 {"X", kFraction}};
  const int hours = time.hours.value_or(0);
  const int hours12 = hours % 12 == 0 ? 12 : hours % 12;
  const int minutes = time.minutes.value_or(0);
  const int seconds = time.seconds.value_or(0);
  const int fraction = time.fraction.value_or(0);
  const size_t fractionDigits = fractionUnit == kTenthUnit ? 1 : fractionUnit == kHundredthUnit ? 2 : 3;
  return expand(pattern, tokens, [&](int id) -> std::string {
    switch (id) {
      case kHours24Padded: return padded(hours, 2);
      case kHours24: return std::to_string(hours);
      case kHours12Padded: return padded(hours12, 2);
      case kHours12: return std::to_string(hours12);
      case kMinutes2: return padded(minutes, 2);
      case kMinutes: return std::to_string(minutes);
      case kSeconds2: return padded(seconds, 2);
      case kSeconds: return std::to_string(seconds);
      case kFraction2: return padded(fraction, fractionDigits);
      default: return std::to_string(fraction);
    }
  });
}

std::string systemTimePattern(const RegionalSettings& settings, const TimeOfDay& time, bool withFraction,
                              bool afternoon) {
  const size_t hourLetters = 1 + (settings.leadingZero ? 1 : 0) + (settings.clock24 ? 2 : 0);
  std::string pattern = std::string("hhhh").substr(0, hourLetters);
  if (time.minutes) pattern += settings.timeSeparator + (settings.leadingZero ? "mm" : "m");
  if (time.seconds) pattern += settings.timeSeparator + (settings.leadingZero ? "ss" : "s");
  if (time.fraction && withFraction) pattern += settings.decimalSeparator + (settings.leadingZero ? "xx" : "x");
  const std::string& designator = settings.clock24 || afternoon ? settings.afternoon : settings.morning;
  if (!designator.empty()) pattern += " " + quoted(designator);
  return pattern;
}

}  // namespace lx
