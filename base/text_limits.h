// Limits that hold for every value the program keeps.
#pragma once
#include <cstddef>

namespace qb {

inline constexpr std::size_t kMaxValueBytes = 512000;       // one stored value
inline constexpr std::size_t kMaxHistoryReadBytes = 512001; // a history value read back

}  // namespace qb
