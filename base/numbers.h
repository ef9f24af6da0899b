// Number parsing that reads what it can from the front of a text and never fails.
#pragma once
#include <cstdint>
#include <string_view>

namespace qb {

// Optional spaces/tabs, optional '+' or '-', then decimal digits; anything after is ignored.
// No digits gives 0. Values beyond 32 bits saturate at INT32_MIN / INT32_MAX.
std::int32_t ParseLeadingInt(std::string_view text);

// Like ParseLeadingInt but with an optional fraction ("12.5abc" -> 12.5, ".5" -> 0.5).
// No digits gives 0.0. Locale independent.
double ParseLeadingDecimal(std::string_view text);

}  // namespace qb
