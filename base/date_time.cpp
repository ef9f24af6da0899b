#include "base/date_time.h"

namespace qb {
namespace {

constexpr std::int64_t kMillisecondsPerDay = 86400000;

// Floor division and its non-negative remainder.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}
std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

}  // namespace

// Howard Hinnant's days_from_civil; a month out of 1-12 is carried into the year and a day out
// of range simply counts on from the first of the month.
std::int64_t DaysFromCivil(int year, int month, int day) {
  std::int64_t y = static_cast<std::int64_t>(year) + FloorDiv(static_cast<std::int64_t>(month) - 1, 12);
  std::int64_t m = FloorMod(static_cast<std::int64_t>(month) - 1, 12) + 1;  // 1-12
  if (m <= 2) --y;
  std::int64_t era = FloorDiv(y, 400);
  std::int64_t yoe = y - era * 400;                                    // [0, 399]
  std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;          // [0, 365], day 1
  std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
  return era * 146097 + doe - 719468 + (static_cast<std::int64_t>(day) - 1);
}

std::int64_t ToEpochMilliseconds(const DateTime& time) {
  std::int64_t days = DaysFromCivil(time.year, time.month, time.day);
  return days * kMillisecondsPerDay + static_cast<std::int64_t>(time.hour) * 3600000 +
         static_cast<std::int64_t>(time.minute) * 60000 +
         static_cast<std::int64_t>(time.second) * 1000 + time.millisecond;
}

DateTime FromEpochMilliseconds(std::int64_t milliseconds) {
  std::int64_t days = FloorDiv(milliseconds, kMillisecondsPerDay);
  std::int64_t rest = milliseconds - days * kMillisecondsPerDay;  // [0, 86399999]

  // Howard Hinnant's civil_from_days.
  std::int64_t z = days + 719468;
  std::int64_t era = FloorDiv(z, 146097);
  std::int64_t doe = z - era * 146097;                                         // [0, 146096]
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;    // [0, 399]
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                  // [0, 365]
  std::int64_t mp = (5 * doy + 2) / 153;                                       // [0, 11]
  std::int64_t d = doy - (153 * mp + 2) / 5 + 1;                               // [1, 31]
  std::int64_t m = mp < 10 ? mp + 3 : mp - 9;                                  // [1, 12]
  std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);

  DateTime time;
  time.year = static_cast<int>(y);
  time.month = static_cast<int>(m);
  time.day = static_cast<int>(d);
  time.hour = static_cast<int>(rest / 3600000);
  time.minute = static_cast<int>(rest / 60000 % 60);
  time.second = static_cast<int>(rest / 1000 % 60);
  time.millisecond = static_cast<int>(rest % 1000);
  time.dayOfWeek = static_cast<int>(FloorMod(days + 4, 7));  // 1970-01-01 was a Thursday
  return time;
}

DateTime Normalized(const DateTime& time) { return FromEpochMilliseconds(ToEpochMilliseconds(time)); }

DateTime AddMilliseconds(const DateTime& time, std::int64_t milliseconds) {
  return FromEpochMilliseconds(ToEpochMilliseconds(time) + milliseconds);
}

}  // namespace qb
