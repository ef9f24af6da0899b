// The one change that turns a text into another: the common start and end are kept, the part
// between [start, oldEnd) is replaced by [start, newEnd) of the new text.
#pragma once
#include <cstddef>
#include <string_view>

namespace qb {

struct TextChange {
  std::size_t start = 0;
  std::size_t oldEnd = 0;
  std::size_t newEnd = 0;
  bool operator==(const TextChange&) const = default;
};

// Positions are UTF-16 units; a change never starts or ends between the two units of "\r\n".
TextChange FindTextChange(std::wstring_view before, std::wstring_view after);

}  // namespace qb
