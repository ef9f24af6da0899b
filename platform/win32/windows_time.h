// Windows times: UTC FILETIME values on disk, SYSTEMTIME parts, local wall-clock DateTime in the
// core.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/date_time.h"

namespace qb {

// 100-nanosecond units since 1601-01-01 UTC.
std::uint64_t FileTimeTicks(const FILETIME& time);
FILETIME FileTimeFromTicks(std::uint64_t ticks);

// Empty when the time cannot be converted (out of range). Fields out of their ranges carry over
// (Normalized), so 23:59:60 is the next day's 00:00:00.
std::optional<DateTime> LocalDateTimeFromFileTime(const FILETIME& utc);
std::optional<FILETIME> FileTimeFromLocalDateTime(const DateTime& local);

FILETIME CurrentFileTime();

DateTime DateTimeFromSystemTime(const SYSTEMTIME& parts);

}  // namespace qb
