// The ":::" field separator of item records, datagrams and command texts.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

inline constexpr std::string_view kFieldSeparator = ":::";

// Splits at ":::" into at most `maxFields` fields; the last field takes the rest verbatim
// (separators included). maxFields 0 means no limit. An empty text gives one empty field.
std::vector<std::string> SplitFields(std::string_view text, std::size_t maxFields = 0);

// Joins the fields with ":::".
std::string JoinFields(const std::vector<std::string>& fields);

}  // namespace qb
