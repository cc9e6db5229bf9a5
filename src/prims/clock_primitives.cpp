// The clock primitives. Dates and times are the local wall-clock time;
// the stopwatches run on the monotonic tick count.
#include "prims/clock_primitives.h"

#include <chrono>
#include <ctime>

#include "core/global_options.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "prims/clock_formats.h"
#include "prims/named_timers.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

struct LocalNow {
  std::tm fields{};
  int milliseconds = 0;
};

LocalNow localNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  LocalNow out;
  localtime_r(&seconds, &out.fields);
  out.milliseconds =
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return out;
}

Value listOf(std::initializer_list<int> numbers) {
  ListBuilder list;
  for (int n : numbers) list.add(makeInt(n));
  return list.finish();
}

Value date() {
  const std::tm now = localNow().fields;
  return listOf({now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, now.tm_wday});
}

Value time() {
  const LocalNow now = localNow();
  return listOf({now.fields.tm_hour, now.fields.tm_min, now.fields.tm_sec,
                 millisecondsInUnit(now.milliseconds, globalOptions().timeUnit)});
}

// The optional name input of `timer` and `resettimer`.
std::string timerName(tLogoStack& stack, int count) {
  if (count > 1) throw eLogoException(erTooManyInputs);
  std::vector<Value> inputs = stack.takeInputs(count);
  return count == 1 ? inputs[0]->printText(0) : std::string();
}

// Elapsed milliseconds in the wait unit; unlike the fraction of a second,
// a stopwatch is not capped.
Value timer(tLogoStack& stack, int count) {
  const uint64_t elapsed = timerElapsed(timerName(stack, count));
  switch (globalOptions().waitUnit) {
    case kHundredthUnit:
      return makeNumber(static_cast<int64_t>((elapsed + 5) / 10));
    case kTenthUnit:
      return makeNumber(static_cast<int64_t>((elapsed + 50) / 100));
    default:
      return makeNumber(static_cast<int64_t>(elapsed));
  }
}

Value resettimer(tLogoStack& stack, int count) {
  resetTimer(timerName(stack, count));
  return nullptr;
}

Value showTime(const Value& flag) {
  globalOptions().showTime = flag->asBool();
  return nullptr;
}

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// --- dateWord ---

bool leapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

// [day month year] or [day month year weekday]; none for the empty list.
std::optional<CalendarDate> givenDate(const Value& input) {
  const tLogoList* list = asList(*input);
  if (!list) throw eLogoException(erExpectList, input);
  if (list->isEmpty()) return std::nullopt;
  std::vector<Value> items(list->begin(), list->end());
  if (items.size() < 3 || items.size() > 4) throw eLogoException(erBadStructure, input);
  CalendarDate date;
  date.day = items[0]->asIntegerIn(1, 31);
  date.month = items[1]->asIntegerIn(1, 12);
  date.year = items[2]->asIntegerIn(0, 9999);
  // Two-digit years: up to the threshold in this century, above it in the last.
  if (date.year <= 99) date.year += date.year <= globalOptions().thresholdY2k ? 2000 : 1900;
  if (items.size() == 4) items[3]->asIntegerIn(0, 6);
  if (date.day > daysInMonth(date.year, date.month)) throw eLogoException(erBadStructure, input);
  return date;
}

CalendarDate today() {
  const std::tm now = localNow().fields;
  return {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday};
}

std::string datePattern(const Value& format) {
  const RegionalSettings& settings = regionalSettings();
  if (format->isList()) {
    const std::string pattern = trimmed(format->printText(0));
    return pattern.empty() ? settings.longDate : pattern;
  }
  const std::string pattern = trimmed(format->printText(0));
  return pattern.empty() ? settings.shortDate : pattern;
}

Value dateWord(tLogoStack& stack, int count) {
  if (count > 2) throw eLogoException(erTooManyInputs);
  std::vector<Value> inputs = stack.takeInputs(count);
  const std::string pattern = count == 0 ? regionalSettings().longDate : datePattern(inputs[0]);
  const std::optional<CalendarDate> date = count == 2 ? givenDate(inputs[1]) : std::optional(today());
  return makeWord(date ? formatDate(pattern, *date) : pattern);
}

// --- timeWord ---

TimeOfDay givenTime(const Value& input) {
  const tLogoList* list = asList(*input);
  if (!list) throw eLogoException(erExpectList, input);
  std::vector<Value> items(list->begin(), list->end());
  if (items.size() > 4) throw eLogoException(erBadStructure, input);
  const int unit = globalOptions().timeUnit;
  const int mostFraction = unit == kTenthUnit ? 9 : unit == kHundredthUnit ? 99 : 999;
  TimeOfDay time;
  if (items.size() > 0) time.hours = items[0]->asIntegerIn(0, 24);
  if (items.size() > 1) time.minutes = items[1]->asIntegerIn(0, 59);
  if (items.size() > 2) time.seconds = items[2]->asIntegerIn(0, 59);
  if (items.size() > 3) time.fraction = items[3]->asIntegerIn(0, mostFraction);
  return time;
}

TimeOfDay timeNow() {
  const LocalNow now = localNow();
  return {now.fields.tm_hour, now.fields.tm_min, now.fields.tm_sec,
          millisecondsInUnit(now.milliseconds, globalOptions().timeUnit)};
}

// A list of exactly two lists: the patterns for the morning and the afternoon.
bool isPatternPair(const Value& format) {
  const tLogoList* list = asList(*format);
  if (!list || list->count() != 2) return false;
  for (const Value& item : *list)
    if (!item->isList()) return false;
  return true;
}

// Without hours, the system pattern itself is the answer: one word, or on
// the 12-hour clock the morning and the afternoon patterns.
Value systemPatternAnswer(bool withFraction) {
  const RegionalSettings& settings = regionalSettings();
  const TimeOfDay parts{0, 0, 0, 0};
  if (settings.clock24) return makeWord(systemTimePattern(settings, parts, withFraction, true));
  ListBuilder pair;
  for (bool afternoon : {false, true}) {
    ListBuilder one;
    one.add(makeWord(systemTimePattern(settings, parts, withFraction, afternoon)));
    pair.add(one.finish());
  }
  return pair.finish();
}

Value timeWord(tLogoStack& stack, int count) {
  if (count > 2) throw eLogoException(erTooManyInputs);
  std::vector<Value> inputs = stack.takeInputs(count);
  const TimeOfDay time = count == 2 ? givenTime(inputs[1]) : timeNow();
  const int unit = globalOptions().timeUnit;
  std::string pattern;
  if (count > 0) {
    const Value& format = inputs[0];
    if (isPatternPair(format)) {
      if (!time.hours) return format;
      const tLogoList& pair = *asList(*format);
      pattern = trimmed((*time.hours > 11 ? *pair.rest()->element() : *pair.element()).printText(0));
    } else {
      pattern = trimmed(format->printText(0));
    }
    if (!pattern.empty()) return makeWord(time.hours ? formatTime(pattern, time, unit) : pattern);
  }
  // The system pattern: with the fraction only when one was asked for by
  // the empty pattern or when the time was given.
  const bool withFraction = count > 0;
  if (!time.hours) return systemPatternAnswer(withFraction);
  const bool afternoon = *time.hours > 11;
  return makeWord(formatTime(systemTimePattern(regionalSettings(), time, withFraction, afternoon), time, unit));
}

}  // namespace

void registerClockPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "date", false, date);
  registerPrimitive<tMainPasProcDesc0p>(table, "time", false, time);
  registerPrimitive<tMainPasProcDesc>(table, "dateWord", false, 0u, dateWord);
  registerPrimitive<tMainPasProcDesc>(table, "timeWord", false, 0u, timeWord);
  registerPrimitive<tMainPasProcDesc>(table, "timer", false, 0u, timer);
  registerPrimitive<tMainPasProcDesc>(table, "resettimer", false, 0u, resettimer);
  registerPrimitive<tMainPasProcDesc1p>(table, "showTime", false, showTime);
}

}  // namespace lx
