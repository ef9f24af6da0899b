// The columns of each tab's list, in index order. Hidden columns are ordinary columns of width 0;
// "DUMMY" columns keep the indexes of like columns aligned across tabs.
#pragma once
#include <span>
#include <string_view>

#include "app/tablist/tab_kind.h"

namespace qb {

struct TabColumn {
  std::string_view caption;
  int width;  // 0 for a hidden column
};

std::span<const TabColumn> TabColumns(TabKind kind);

// Column indexes of the History list.
namespace history_column {
inline constexpr int kMarker = 0;
inline constexpr int kValue = 1;
inline constexpr int kFileName = 3;
inline constexpr int kCreated = 4;
inline constexpr int kUpdated = 5;
inline constexpr int kCount = 6;
inline constexpr int kSize = 7;
inline constexpr int kSource = 8;
inline constexpr int kRealValue = 9;
}  // namespace history_column

// Columns that hold the same thing in every tab that has them.
namespace common_column {
inline constexpr int kLabel = 0;
inline constexpr int kValue = 1;
inline constexpr int kFileName = 3;
inline constexpr int kCreated = 4;
inline constexpr int kUpdated = 5;
inline constexpr int kSize = 7;
}  // namespace common_column

}  // namespace qb
