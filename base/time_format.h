// strftime-style formatting, the same on every build (the C libraries disagree on "%#").
#pragma once
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace qb {

// Supports %Y %y %m %d %H %I %M %S %p %j %a %A %b %B %w %%, and the "#" flag ("%#d", "%#m",
// "%#y", "%#H", "%#I", "%#M", "%#S", "%#j") that drops leading zeros. Names are English (the "C"
// locale). An unknown conversion is copied as it stands.
std::string FormatTime(std::string_view format, const DateTime& time);

// "%Y%m%d%H%M%S": the 14-digit stamp of item files and instance identities.
std::string TimeStamp14(const DateTime& time);

}  // namespace qb
