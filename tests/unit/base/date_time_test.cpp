// Proleptic Gregorian arithmetic: epoch days, leap days, day of week, carrying.
#include "base/date_time.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

DateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  DateTime t;
  t.year = y;
  t.month = mo;
  t.day = d;
  t.hour = h;
  t.minute = mi;
  t.second = s;
  t.millisecond = ms;
  return t;
}

void ExpectFields(const DateTime& t, int y, int mo, int d, int h, int mi, int s, int ms, int dow) {
  EXPECT_EQ(t.year, y);
  EXPECT_EQ(t.month, mo);
  EXPECT_EQ(t.day, d);
  EXPECT_EQ(t.hour, h);
  EXPECT_EQ(t.minute, mi);
  EXPECT_EQ(t.second, s);
  EXPECT_EQ(t.millisecond, ms);
  EXPECT_EQ(t.dayOfWeek, dow);
}

TEST(DaysFromCivil, KnownDates) {
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(DaysFromCivil(1970, 1, 2), 1);
  EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
  EXPECT_EQ(DaysFromCivil(2000, 1, 1), 10957);
  EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
  EXPECT_EQ(DaysFromCivil(0, 3, 1), -719468);
  EXPECT_EQ(DaysFromCivil(1600, 1, 1), -135140);
}

TEST(DaysFromCivil, LeapDays) {
  EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);  // 400-year rule
  EXPECT_EQ(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28), 1);  // 100-year rule
  EXPECT_EQ(DaysFromCivil(2024, 3, 1) - DaysFromCivil(2024, 2, 28), 2);
  EXPECT_EQ(DaysFromCivil(2023, 3, 1) - DaysFromCivil(2023, 2, 28), 1);
  EXPECT_EQ(DaysFromCivil(2001, 1, 1) - DaysFromCivil(2000, 1, 1), 366);
  EXPECT_EQ(DaysFromCivil(2101, 1, 1) - DaysFromCivil(2100, 1, 1), 365);
}

TEST(DaysFromCivil, OutOfRangeFieldsCarry) {
  EXPECT_EQ(DaysFromCivil(2023, 13, 1), DaysFromCivil(2024, 1, 1));
  EXPECT_EQ(DaysFromCivil(2024, 0, 1), DaysFromCivil(2023, 12, 1));
  EXPECT_EQ(DaysFromCivil(2024, 3, 0), DaysFromCivil(2024, 2, 29));
  EXPECT_EQ(DaysFromCivil(2023, 2, 29), DaysFromCivil(2023, 3, 1));
}

TEST(EpochMilliseconds, KnownValues) {
  EXPECT_EQ(ToEpochMilliseconds(Make(1970, 1, 1)), 0);
  EXPECT_EQ(ToEpochMilliseconds(Make(1970, 1, 1, 0, 0, 0, 1)), 1);
  EXPECT_EQ(ToEpochMilliseconds(Make(2001, 9, 9, 1, 46, 40)), 1000000000000);
  EXPECT_EQ(ToEpochMilliseconds(Make(1969, 12, 31, 23, 59, 59, 999)), -1);
}

TEST(EpochMilliseconds, FromEpoch) {
  ExpectFields(FromEpochMilliseconds(0), 1970, 1, 1, 0, 0, 0, 0, 4);
  ExpectFields(FromEpochMilliseconds(-1), 1969, 12, 31, 23, 59, 59, 999, 3);
  ExpectFields(FromEpochMilliseconds(1000000000000), 2001, 9, 9, 1, 46, 40, 0, 0);
  ExpectFields(FromEpochMilliseconds(-86400000), 1969, 12, 31, 0, 0, 0, 0, 3);
}

TEST(EpochMilliseconds, RoundTrip) {
  const DateTime times[] = {Make(2024, 2, 29, 12, 34, 56, 789), Make(1900, 3, 1), Make(1, 1, 1),
                            Make(9999, 12, 31, 23, 59, 59, 999), Make(1601, 1, 1)};
  for (const DateTime& t : times) {
    EXPECT_EQ(FromEpochMilliseconds(ToEpochMilliseconds(t)), t);
  }
}

TEST(DayOfWeek, KnownDays) {
  EXPECT_EQ(Normalized(Make(1970, 1, 1)).dayOfWeek, 4);   // Thursday
  EXPECT_EQ(Normalized(Make(1969, 12, 31)).dayOfWeek, 3);  // Wednesday
  EXPECT_EQ(Normalized(Make(2000, 1, 1)).dayOfWeek, 6);   // Saturday
  EXPECT_EQ(Normalized(Make(2000, 2, 29)).dayOfWeek, 2);  // Tuesday
  EXPECT_EQ(Normalized(Make(2024, 2, 29)).dayOfWeek, 4);  // Thursday
  EXPECT_EQ(Normalized(Make(2006, 1, 1)).dayOfWeek, 0);   // Sunday
  EXPECT_EQ(Normalized(Make(1900, 1, 1)).dayOfWeek, 1);   // Monday
  EXPECT_EQ(Normalized(Make(1601, 1, 1)).dayOfWeek, 1);   // Monday (FILETIME epoch)
}

TEST(Normalized, LeapDayKeptOrCarried) {
  ExpectFields(Normalized(Make(2024, 2, 29)), 2024, 2, 29, 0, 0, 0, 0, 4);
  ExpectFields(Normalized(Make(2023, 2, 29)), 2023, 3, 1, 0, 0, 0, 0, 3);
  ExpectFields(Normalized(Make(1900, 2, 29)), 1900, 3, 1, 0, 0, 0, 0, 4);
  ExpectFields(Normalized(Make(2000, 2, 30)), 2000, 3, 1, 0, 0, 0, 0, 3);
}

TEST(Normalized, FieldsCarry) {
  ExpectFields(Normalized(Make(2023, 13, 1)), 2024, 1, 1, 0, 0, 0, 0, 1);
  ExpectFields(Normalized(Make(2024, 0, 15)), 2023, 12, 15, 0, 0, 0, 0, 5);
  ExpectFields(Normalized(Make(2024, 3, 0)), 2024, 2, 29, 0, 0, 0, 0, 4);
  ExpectFields(Normalized(Make(2024, 1, 1, 24)), 2024, 1, 2, 0, 0, 0, 0, 2);
  ExpectFields(Normalized(Make(2024, 1, 1, 0, 60)), 2024, 1, 1, 1, 0, 0, 0, 1);
  ExpectFields(Normalized(Make(2024, 1, 1, 0, 0, 60)), 2024, 1, 1, 0, 1, 0, 0, 1);
  ExpectFields(Normalized(Make(2024, 1, 1, 0, 0, 0, 1000)), 2024, 1, 1, 0, 0, 1, 0, 1);
  ExpectFields(Normalized(Make(2024, 1, 1, 0, -1)), 2023, 12, 31, 23, 59, 0, 0, 0);
  ExpectFields(Normalized(Make(2024, 1, 1, 0, 0, 0, -1)), 2023, 12, 31, 23, 59, 59, 999, 0);
  ExpectFields(Normalized(Make(2024, 1, 31 + 29 + 1)), 2024, 3, 1, 0, 0, 0, 0, 5);
}

TEST(Normalized, StaleDayOfWeekIsRecomputed) {
  DateTime t = Make(2024, 2, 29);
  t.dayOfWeek = 0;
  EXPECT_EQ(Normalized(t).dayOfWeek, 4);
}

TEST(AddMilliseconds, AcrossBoundaries) {
  ExpectFields(AddMilliseconds(Make(2023, 12, 31, 23, 59, 59, 999), 1), 2024, 1, 1, 0, 0, 0, 0, 1);
  ExpectFields(AddMilliseconds(Make(2024, 1, 1), -1), 2023, 12, 31, 23, 59, 59, 999, 0);
  ExpectFields(AddMilliseconds(Make(2024, 2, 28, 12), 86400000), 2024, 2, 29, 12, 0, 0, 0, 4);
  ExpectFields(AddMilliseconds(Make(2023, 2, 28, 12), 86400000), 2023, 3, 1, 12, 0, 0, 0, 3);
  ExpectFields(AddMilliseconds(Make(2024, 3, 1), -86400000), 2024, 2, 29, 0, 0, 0, 0, 4);
  ExpectFields(AddMilliseconds(Make(2024, 5, 5, 10, 0, 0, 500), 0), 2024, 5, 5, 10, 0, 0, 500, 0);
  const std::int64_t kYear2024 = 366LL * 86400000;
  ExpectFields(AddMilliseconds(Make(2024, 1, 1), kYear2024), 2025, 1, 1, 0, 0, 0, 0, 3);
}

TEST(DateTimeCompare, OrdersByFieldsIgnoringDayOfWeek) {
  DateTime a = Make(2024, 1, 1, 0, 0, 0, 1);
  DateTime b = Make(2024, 1, 1, 0, 0, 0, 2);
  EXPECT_LT(a, b);
  DateTime c = a;
  c.dayOfWeek = 6;
  EXPECT_EQ(a, c);
}

}  // namespace
}  // namespace qb
