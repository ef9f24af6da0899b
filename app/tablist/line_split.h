// Cutting a value into lines for the split commands.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qb {

inline constexpr int kMaxSplitLines = 5000;

enum class LineBreaks { kKeep, kDrop };

// The non-empty lines of the first 5000 lines of `value` (a line ends at CR LF or LF), each
// followed by CR LF with kKeep.
std::vector<std::string> SplitIntoLines(std::string_view value, LineBreaks breaks);

}  // namespace qb
