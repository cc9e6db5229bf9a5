// Dates and times written by patterns: every token, letter case, longest
// tokens first, quoted text, and the primitives `dateWord`, `timeWord`,
// `timer` and `resettimer` with their inputs checked.
#include "prims/clock_formats.h"

#include "core/global_options.h"
#include "prims/clock_primitives.h"
#include "prims/data_primitives_session.h"
#include "prims/named_timers.h"
#include "prims/regional_settings.h"

namespace lx {
namespace {

TimeOfDay at(std::optional<int> hours, std::optional<int> minutes = {}, std::optional<int> seconds = {},
             std::optional<int> fraction = {}) {
  TimeOfDay time;
  time.hours = hours;
  time.minutes = minutes;
  time.seconds = seconds;
  time.fraction = fraction;
  return time;
}

TEST(ClockFormats, EveryDateToken) {
  const CalendarDate date{2007, 3, 4};
  EXPECT_EQ(formatDate("d dd m mm yy yyyy", date), "4 04 3 03 07 2007");
  EXPECT_EQ(formatDate("DD.MM.YYYY", date), "04.03.2007");
  EXPECT_EQ(formatDate("dd.mm.yyyy", {2024, 12, 31}), "31.12.2024");
  EXPECT_EQ(formatDate("yyy", date), "07y");  // the longest token first, the rest as it is
}

TEST(ClockFormats, QuotedTextIsCopiedAndTwoQuotesAreOne) {
  const CalendarDate date{2007, 3, 4};
  EXPECT_EQ(formatDate("'day' d 'of' m", date), "day 4 of 3");
  EXPECT_EQ(formatDate("d''m", date), "43");  // an empty quotation
  EXPECT_EQ(formatDate("'it''s' d", date), "it's 4");
  EXPECT_EQ(formatDate("'open d", date), "open d");  // quoted to the end
  const TimeOfDay time{13, 5, 9, 7};
  EXPECT_EQ(formatTime("h 'o''clock' 'hh:mm'", time, kMillisecondUnit), "1 o'clock hh:mm");
}

TEST(ClockFormats, EveryTimeToken) {
  const TimeOfDay afternoon{13, 5, 9, 7};
  EXPECT_EQ(formatTime("HHHH|HHH|HH|H|MM|M|SS|S|XX|X", afternoon, kMillisecondUnit), "13|13|01|1|05|5|09|9|007|7");
  EXPECT_EQ(formatTime("hhhh:mm:ss.xx", afternoon, kHundredthUnit), "13:05:09.07");
  EXPECT_EQ(formatTime("xx", afternoon, kTenthUnit), "7");
  const TimeOfDay midnight = at(0, 0);
  EXPECT_EQ(formatTime("hhh hh h", midnight, kMillisecondUnit), "0 12 12");
  EXPECT_EQ(formatTime("hhhh:mm:ss.xx", at(9), kMillisecondUnit), "09:00:00.000");  // absent parts are 0
}

class ClockPrimitives : public testing::DataPrimitivesTest {
 protected:
  ClockPrimitives() { registerClockPrimitives(globalProcedures()); }
  ~ClockPrimitives() override {
    globalOptions().resetForProject();
    regionalSettings() = RegionalSettings();
  }
  std::string printed(const std::string& expression) {
    const std::string text = output("print " + expression);
    return text.substr(0, text.find('\r'));
  }
};

TEST_F(ClockPrimitives, DateWordTakesADateAndAPattern) {
  EXPECT_EQ(printed("(dateWord \"|d. m. yyyy| [29 2 2024])"), "29. 2. 2024");
  EXPECT_EQ(printed("(dateWord [dd mm] [1 2 2000 2])"), "01 02");  // a list is printed as the pattern
  EXPECT_EQ(printed("(dateWord \"yyyy [])"), "yyyy");              // no date: the pattern itself
  regionalSettings().shortDate = "d/m";
  regionalSettings().longDate = "yyyy-mm-dd";
  EXPECT_EQ(printed("(dateWord \" [5 6 2010])"), "5/6");
  EXPECT_EQ(printed("(dateWord [] [5 6 2010])"), "2010-06-05");
}

TEST_F(ClockPrimitives, TwoDigitYearsFollowTheThreshold) {
  EXPECT_EQ(printed("(dateWord \"yyyy [1 1 10])"), "2010");
  EXPECT_EQ(printed("(dateWord \"yyyy [1 1 11])"), "1911");
  EXPECT_EQ(printed("(dateWord \"yyyy [1 1 99])"), "1999");
  EXPECT_EQ(printed("(dateWord \"yyyy [1 1 100])"), "0100");
  globalOptions().thresholdY2k = 50;
  EXPECT_EQ(printed("(dateWord \"yyyy [1 1 49])"), "2049");
}

TEST_F(ClockPrimitives, ImpossibleDatesAreErrors) {
  EXPECT_EQ(errorOf("print (dateWord \" [30 2 2024])"), erBadStructure);
  EXPECT_EQ(errorOf("print (dateWord \" [29 2 2023])"), erBadStructure);
  EXPECT_EQ(errorOf("print (dateWord \" [32 1 2024])"), erMinMax);
  EXPECT_EQ(errorOf("print (dateWord \" [1 13 2024])"), erMinMax);
  EXPECT_EQ(errorOf("print (dateWord \" [1 1 2024 7])"), erMinMax);
  EXPECT_EQ(errorOf("print (dateWord \" [1 1 2024 1 1])"), erBadStructure);
  EXPECT_EQ(errorOf("print (dateWord \" [1 1])"), erBadStructure);
  EXPECT_EQ(errorOf("print (dateWord \" \"today)"), erExpectList);
  EXPECT_EQ(errorOf("print (dateWord \" [] 1)"), erTooManyInputs);
}

TEST_F(ClockPrimitives, TimeWordTakesATimeAndAPattern) {
  EXPECT_EQ(printed("(timeWord \"|hhhh:mm:ss.xx| [7 8 9 10])"), "07:08:09.010");
  EXPECT_EQ(printed("(timeWord \" [7 8 9 10])"), "07:08:09.010");  // the system pattern with every part
  EXPECT_EQ(printed("(timeWord \" [7 8])"), "07:08");
  // A pair of patterns: the second from noon on; without hours the pair itself.
  EXPECT_EQ(printed("(timeWord [[h 'am'] [h 'pm']] [15])"), "3 pm");
  EXPECT_EQ(printed("(timeWord [[h 'am'] [h 'pm']] [11])"), "11 am");
  EXPECT_EQ(output("show (timeWord [[h] [hh]] [])"), "[[h] [hh]]\r\n");
  EXPECT_EQ(printed("(timeWord \"hh:mm [])"), "hh:mm");
  EXPECT_EQ(printed("(timeWord \" [])"), "hhhh:mm:ss.xx");
  regionalSettings().clock24 = false;
  regionalSettings().morning = "am";
  regionalSettings().afternoon = "p'm";
  EXPECT_EQ(output("show (timeWord \" [])"), "[[|hh:mm:ss.xx 'am'|] [|hh:mm:ss.xx 'p''m'|]]\r\n");
  EXPECT_EQ(printed("(timeWord \" [18 30])"), "06:30 p'm");
  regionalSettings().leadingZero = false;
  regionalSettings().timeSeparator = ".";
  EXPECT_EQ(printed("(timeWord \" [9 5 7])"), "9.5.7 am");
}

TEST_F(ClockPrimitives, TheFractionFollowsTheTimeUnit) {
  globalOptions().timeUnit = kHundredthUnit;
  EXPECT_EQ(printed("(timeWord \"ss.xx [1 2 3 4])"), "03.04");
  EXPECT_EQ(errorOf("print (timeWord \" [1 2 3 100])"), erMinMax);
  EXPECT_EQ(millisecondsInUnit(994, kHundredthUnit), 99);
  EXPECT_EQ(millisecondsInUnit(996, kHundredthUnit), 99);  // never a whole second
  EXPECT_EQ(millisecondsInUnit(949, kTenthUnit), 9);
  EXPECT_EQ(millisecondsInUnit(44, kTenthUnit), 0);
}

TEST_F(ClockPrimitives, BadTimesAreErrors) {
  EXPECT_EQ(errorOf("print (timeWord \" [25])"), erMinMax);
  EXPECT_EQ(errorOf("print (timeWord \" [1 60])"), erMinMax);
  EXPECT_EQ(errorOf("print (timeWord \" [1 2 3 4 5])"), erBadStructure);
  EXPECT_EQ(errorOf("print (timeWord \" 12)"), erExpectList);
  EXPECT_EQ(errorOf("print (timeWord \" [] 1)"), erTooManyInputs);
}

TEST_F(ClockPrimitives, NamedTimersAreKeptApart) {
  resetAllTimers();
  run("resettimer (resettimer \"lap) (resettimer \"LAP)");
  EXPECT_EQ(timerCount(), 2u);  // names compare as the language compares names
  EXPECT_EQ(printed("(timer \"new) = 0"), "true");
  EXPECT_EQ(timerCount(), 3u);
  EXPECT_EQ(printed("timer >= 0"), "true");
  EXPECT_EQ(errorOf("print (timer \"a \"b)"), erTooManyInputs);
  resetAllTimers();
  EXPECT_EQ(timerCount(), 1u);
}

}  // namespace
}  // namespace lx
