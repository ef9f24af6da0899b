// File times: UTC FILETIME values on disk, local wall-clock DateTime in the core.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "base/date_time.h"

namespace qb {

// 100-nanosecond units since 1601-01-01 UTC.
std::uint64_t FileTimeTicks(const FILETIME& time);
FILETIME FileTimeFromTicks(std::uint64_t ticks);

// Empty when the time cannot be converted (out of range).
std::optional<DateTime> LocalDateTimeFromFileTime(const FILETIME& utc);
std::optional<FILETIME> FileTimeFromLocalDateTime(const DateTime& local);

FILETIME CurrentFileTime();

}  // namespace qb
