// FormatTime: every conversion, the "#" flag on one- and two-digit values, 12 AM/PM, odd formats.
#include "base/time_format.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

DateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  DateTime t;
  t.year = y;
  t.month = mo;
  t.day = d;
  t.hour = h;
  t.minute = mi;
  t.second = s;
  return Normalized(t);
}

const DateTime kSmall = Make(2006, 1, 5, 3, 4, 7);     // Thursday, day 5: single digits
const DateTime kLarge = Make(2016, 12, 25, 23, 45, 59);  // Sunday, day 360 of a leap year

TEST(FormatTime, PaddedNumbers) {
  EXPECT_EQ(FormatTime("%Y-%m-%d %H:%M:%S", kSmall), "2006-01-05 03:04:07");
  EXPECT_EQ(FormatTime("%y %I %j %w", kSmall), "06 03 005 4");
  EXPECT_EQ(FormatTime("%Y-%m-%d %H:%M:%S", kLarge), "2016-12-25 23:45:59");
  EXPECT_EQ(FormatTime("%y %I %j %w", kLarge), "16 11 360 0");
}

TEST(FormatTime, HashFlagOnSingleDigits) {
  EXPECT_EQ(FormatTime("%#d", kSmall), "5");
  EXPECT_EQ(FormatTime("%#y", kSmall), "6");
  EXPECT_EQ(FormatTime("%#m", kSmall), "1");
  EXPECT_EQ(FormatTime("%#H", kSmall), "3");
  EXPECT_EQ(FormatTime("%#I", kSmall), "3");
  EXPECT_EQ(FormatTime("%#M", kSmall), "4");
  EXPECT_EQ(FormatTime("%#S", kSmall), "7");
  EXPECT_EQ(FormatTime("%#j", kSmall), "5");
  EXPECT_EQ(FormatTime("%#Y", kSmall), "2006");
}

TEST(FormatTime, HashFlagOnDoubleDigits) {
  EXPECT_EQ(FormatTime("%#d", kLarge), "25");
  EXPECT_EQ(FormatTime("%#y", kLarge), "16");
  EXPECT_EQ(FormatTime("%#m", kLarge), "12");
  EXPECT_EQ(FormatTime("%#H", kLarge), "23");
  EXPECT_EQ(FormatTime("%#I", kLarge), "11");
  EXPECT_EQ(FormatTime("%#M", kLarge), "45");
  EXPECT_EQ(FormatTime("%#S", kLarge), "59");
  EXPECT_EQ(FormatTime("%#j", kLarge), "360");
  EXPECT_EQ(FormatTime("%#j", Make(2016, 2, 10)), "41");
  EXPECT_EQ(FormatTime("%#d", Make(2016, 2, 10)), "10");  // a trailing zero stays
}

TEST(FormatTime, HashFlagOnZero) {
  const DateTime midnight = Make(2000, 10, 20, 0, 0, 0);
  EXPECT_EQ(FormatTime("%#H:%#M:%#S", midnight), "0:0:0");
  EXPECT_EQ(FormatTime("%#y", midnight), "0");
  EXPECT_EQ(FormatTime("%y", midnight), "00");
  EXPECT_EQ(FormatTime("%#m", midnight), "10");
}

TEST(FormatTime, TwelveHourClock) {
  EXPECT_EQ(FormatTime("%I %p", Make(2024, 1, 1, 0)), "12 AM");
  EXPECT_EQ(FormatTime("%#I %p", Make(2024, 1, 1, 1)), "1 AM");
  EXPECT_EQ(FormatTime("%I %p", Make(2024, 1, 1, 11, 59)), "11 AM");
  EXPECT_EQ(FormatTime("%I %p", Make(2024, 1, 1, 12)), "12 PM");
  EXPECT_EQ(FormatTime("%I %p", Make(2024, 1, 1, 13)), "01 PM");
  EXPECT_EQ(FormatTime("%#I %p", Make(2024, 1, 1, 13)), "1 PM");
  EXPECT_EQ(FormatTime("%I %p", Make(2024, 1, 1, 23)), "11 PM");
}

TEST(FormatTime, EnglishNames) {
  EXPECT_EQ(FormatTime("%a %A %b %B", kSmall), "Thu Thursday Jan January");
  EXPECT_EQ(FormatTime("%a %A %b %B", kLarge), "Sun Sunday Dec December");
  EXPECT_EQ(FormatTime("%b %B", Make(2024, 9, 1)), "Sep September");
  EXPECT_EQ(FormatTime("%a %A %w", Make(2024, 3, 2)), "Sat Saturday 6");
  EXPECT_EQ(FormatTime("%#a %#B %#p", kSmall), "Thu January AM");  // '#' ignored on names
}

TEST(FormatTime, DayOfYear) {
  EXPECT_EQ(FormatTime("%j", Make(2024, 1, 1)), "001");
  EXPECT_EQ(FormatTime("%j", Make(2024, 2, 29)), "060");
  EXPECT_EQ(FormatTime("%j", Make(2024, 12, 31)), "366");
  EXPECT_EQ(FormatTime("%j", Make(2023, 12, 31)), "365");
  EXPECT_EQ(FormatTime("%j", Make(2023, 3, 1)), "060");
}

TEST(FormatTime, PercentAndUnknown) {
  EXPECT_EQ(FormatTime("", kSmall), "");
  EXPECT_EQ(FormatTime("plain", kSmall), "plain");
  EXPECT_EQ(FormatTime("100%%", kSmall), "100%");
  EXPECT_EQ(FormatTime("%#%", kSmall), "%");
  EXPECT_EQ(FormatTime("%Q", kSmall), "%Q");
  EXPECT_EQ(FormatTime("%#Q", kSmall), "%#Q");
  EXPECT_EQ(FormatTime("%Z%z%c", kSmall), "%Z%z%c");
  EXPECT_EQ(FormatTime("abc%", kSmall), "abc%");
  EXPECT_EQ(FormatTime("%", kSmall), "%");
  EXPECT_EQ(FormatTime("abc%#", kSmall), "abc%#");
  EXPECT_EQ(FormatTime("%%d", kSmall), "%d");
  EXPECT_EQ(FormatTime("%%%d", kSmall), "%05");
}

TEST(FormatTime, ShiftJisTextPassesThrough) {
  EXPECT_EQ(FormatTime("%Y年%#m月%#d日", kSmall), "2006年1月5日");
  EXPECT_EQ(FormatTime("\x95\x5C%#d", kSmall), "\x95\x5C" "5");
}

TEST(FormatTime, UsesNormalizedFields) {
  DateTime stale;
  stale.year = 2024;
  stale.month = 2;
  stale.day = 29;
  stale.dayOfWeek = 0;  // wrong: it was a Thursday
  EXPECT_EQ(FormatTime("%a %w", stale), "Thu 4");
  stale.day = 30;
  EXPECT_EQ(FormatTime("%m-%d", stale), "03-01");
}

TEST(FormatTime, SmallYears) {
  EXPECT_EQ(FormatTime("%Y %y", Make(999, 1, 1)), "0999 99");
  EXPECT_EQ(FormatTime("%#Y %#y", Make(999, 1, 1)), "999 99");
  EXPECT_EQ(FormatTime("%Y %#y", Make(2005, 1, 1)), "2005 5");
}

TEST(TimeStamp14, FourteenDigits) {
  EXPECT_EQ(TimeStamp14(kSmall), "20060105030407");
  EXPECT_EQ(TimeStamp14(kLarge), "20161225234559");
  EXPECT_EQ(TimeStamp14(Make(1970, 1, 1)), "19700101000000");
  EXPECT_EQ(TimeStamp14(kSmall).size(), 14u);
}

}  // namespace
}  // namespace qb
