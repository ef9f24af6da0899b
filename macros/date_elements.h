// The elements of the date and time macro ("<@YY2/>", "<@ＭＭ１０/>", ...) and their values.
#pragma once
#include <string>
#include <string_view>

#include "base/date_time.h"

namespace qb {

inline constexpr int kDefaultWarekiBase = 1989;

// The value of one element tag ("<@" + name + "/>") at `time`; the era year counts from
// `warekiBase` (year warekiBase is era year 1). An unknown tag gives an empty string.
std::string ExpandDateElement(std::string_view tag, const DateTime& time, int warekiBase);

// True when the tag names an element of the table (ASCII or full-width spelling).
bool IsKnownDateElement(std::string_view tag);

// The full-width form of an ASCII element's value: digits become ０-９, "AM"/"PM" become
// "ＡＭ"/"ＰＭ"; "元" and "ER" stay.
std::string ToFullWidthValue(std::string_view asciiValue);

}  // namespace qb
