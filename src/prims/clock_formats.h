// Writing dates and times by patterns, for `dateWord` and `timeWord`.
//
// A date pattern has the tokens d, dd (day), m, mm (month), yy and yyyy
// (year), in either letter case; a time pattern has HHHH (hours 0-23, two
// digits), HHH (0-23), HH (1-12, two digits), H (1-12), MM, M, SS, S, XX
// (the fraction padded to the digits of its unit) and X, in either letter
// case, the longest token first. In both, text between single quotes is
// copied as it is, and two single quotes inside stand for one.
#pragma once

#include <optional>
#include <string>

#include "prims/regional_settings.h"

namespace lx {

struct CalendarDate {
  int year = 0;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
};

std::string formatDate(const std::string& pattern, const CalendarDate& date);

// A time of day whose parts may be missing from the end.
struct TimeOfDay {
  std::optional<int> hours, minutes, seconds, fraction;
};

// `fractionUnit`: the unit the fraction is in (how many digits XX pads to).
// Missing parts count as 0.
std::string formatTime(const std::string& pattern, const TimeOfDay& time, int fractionUnit);

// The pattern the regional settings give for a time with the parts that
// `time` has (the fraction only when `withFraction`); `afternoon` picks the
// designator of the 12-hour clock.
std::string systemTimePattern(const RegionalSettings& settings, const TimeOfDay& time, bool withFraction,
                              bool afternoon);

}  // namespace lx
