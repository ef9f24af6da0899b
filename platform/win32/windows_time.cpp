#include "platform/win32/windows_time.h"

namespace qb {

std::uint64_t FileTimeTicks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FileTimeFromTicks(std::uint64_t ticks) {
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
  time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return time;
}

std::optional<DateTime> LocalDateTimeFromFileTime(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME parts;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &parts)) {
    return std::nullopt;
  }
  return DateTimeFromSystemTime(parts);
}

std::optional<FILETIME> FileTimeFromLocalDateTime(const DateTime& time) {
  const DateTime local = Normalized(time);
  if (local.year < 1601 || local.year > 30827) return std::nullopt;
  SYSTEMTIME parts{};
  parts.wYear = static_cast<WORD>(local.year);
  parts.wMonth = static_cast<WORD>(local.month);
  parts.wDay = static_cast<WORD>(local.day);
  parts.wHour = static_cast<WORD>(local.hour);
  parts.wMinute = static_cast<WORD>(local.minute);
  parts.wSecond = static_cast<WORD>(local.second);
  parts.wMilliseconds = static_cast<WORD>(local.millisecond);
  FILETIME localTime;
  FILETIME utc;
  if (!SystemTimeToFileTime(&parts, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc)) {
    return std::nullopt;
  }
  return utc;
}

FILETIME CurrentFileTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return now;
}

DateTime DateTimeFromSystemTime(const SYSTEMTIME& parts) {
  DateTime time;
  time.year = parts.wYear;
  time.month = parts.wMonth;
  time.day = parts.wDay;
  time.hour = parts.wHour;
  time.minute = parts.wMinute;
  time.second = parts.wSecond;
  time.millisecond = parts.wMilliseconds;
  time.dayOfWeek = parts.wDayOfWeek;
  return time;
}

}  // namespace qb
