// The regional settings that the clock primitives follow for their default
// formats: the date patterns and how the time of day is written. The
// program keeps no store of such settings on this system, so the defaults
// below stand unless something sets them (the tests do).
#pragma once

#include <string>

namespace lx {

struct RegionalSettings {
  std::string longDate = "dd.mm.yyyy";
  std::string shortDate = "dd.mm.yyyy";
  bool clock24 = true;      // the 24-hour clock
  std::string timeSeparator = ":";
  bool leadingZero = true;  // hours, minutes and seconds with two digits
  std::string morning;      // designators of the 12-hour clock
  std::string afternoon;
  std::string decimalSeparator = ".";
};

RegionalSettings& regionalSettings();

}  // namespace lx
