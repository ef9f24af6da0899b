// A local wall-clock time, as the program shows and stores it.
#pragma once
#include <compare>
#include <cstdint>
#include <tuple>

namespace qb {

struct DateTime {
  int year = 1970;
  int month = 1;        // 1-12
  int day = 1;          // 1-31
  int hour = 0;         // 0-23
  int minute = 0;
  int second = 0;
  int millisecond = 0;  // 0-999
  int dayOfWeek = 4;    // 0 = Sunday; kept consistent by Normalized()

  auto operator<=>(const DateTime& other) const {
    return std::tie(year, month, day, hour, minute, second, millisecond) <=>
           std::tie(other.year, other.month, other.day, other.hour, other.minute, other.second,
                    other.millisecond);
  }
  bool operator==(const DateTime& other) const { return (*this <=> other) == 0; }
};

// Days since 1970-01-01 for a proleptic Gregorian date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);

// Milliseconds since 1970-01-01 00:00:00.000 of the same wall clock (no time zone involved).
std::int64_t ToEpochMilliseconds(const DateTime& time);
DateTime FromEpochMilliseconds(std::int64_t milliseconds);

// The same instant with every field in range and dayOfWeek computed.
DateTime Normalized(const DateTime& time);

// Adds milliseconds (may be negative).
DateTime AddMilliseconds(const DateTime& time, std::int64_t milliseconds);

}  // namespace qb
