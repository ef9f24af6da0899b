// The notation of special characters in settings: "\r\n" for a line break, "\t" for a tab.
#pragma once
#include <string>
#include <string_view>

namespace qb {

// Backslashes are removed, then "r" becomes CR, "n" LF and "t" TAB; every other character is
// dropped.
std::string ConvertEscapes(std::string_view notation);

}  // namespace qb
