// The one-line preview of a stored value.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::size_t kPreviewBytes = 150;

// The first 150 bytes followed by "..." when the value is longer than 150 bytes, else the value.
std::string MakePreview(std::string_view value);

// A preview for a one-line list: each CR, LF and Tab shown as "・" (the option `KaigyoTabDsp=`).
std::string ShowBreaksAndTabs(std::string_view preview);

}  // namespace qb
