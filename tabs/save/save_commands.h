// Command numbers of the Save tab's bar, context menu and sort orders.
#pragma once

#include <span>

#include "app/tablist/menu_model.h"
#include "app/tablist/sort_order.h"

namespace qb::save_command {

inline constexpr int kSortByLabel = 32808;  // "ラベル順"
inline constexpr int kSortByValue = 32809;  // "値順"
inline constexpr int kSortBySize = 32810;   // "値のサイズ順"
inline constexpr int kSortByCreation = 32830;  // "作成順", the order items were stored or placed
inline constexpr int kChange = 32824;       // "変更..."
inline constexpr int kNewItem = 32825;      // "値の新規作成..."
inline constexpr int kImport = 32826;       // "取込..."

}  // namespace qb::save_command

namespace qb {

// The Save list's context menu before preparation: paste, copy and the special pastes of one
// value, content view, change, new item, copy and move to another group, delete.
MenuModel SaveMenuPattern();

// The sort orders of the Save tab: creation (newest first), label, value, size.
std::span<const SortOrderEntry> SaveSortOrders();

}  // namespace qb
