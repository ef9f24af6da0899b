// Command numbers of the related-files tabs' bar, menus and sort orders.
#pragma once
#include <span>

#include "app/tablist/menu_model.h"
#include "app/tablist/sort_order.h"

namespace qb::related_command {

inline constexpr int kSortByLabel = 32817;      // "ラベル順"
inline constexpr int kSortByValue = 32818;      // "値順"
inline constexpr int kSortBySize = 32819;       // "値のサイズ順"
inline constexpr int kSortByReadOrder = 32831;  // "読込順", the order of the file's lines
inline constexpr int kLink = 32832;             // "新しい関連付け..."
inline constexpr int kUnlink = 32833;           // "関連の解除"
inline constexpr int kEditNotepad = 32834;      // "メモ帳で編集"
inline constexpr int kEditAssociated = 32835;   // "関連付けエディタで編集"

}  // namespace qb::related_command

namespace qb {

// The context menu of a row: paste, copy and the special pastes of one value, content view,
// copy to a save group.
MenuModel RelatedMenuPattern();
// "関連付け用": link, unlink and the two editors.
MenuModel RelatedLinkMenu();
std::span<const SortOrderEntry> RelatedSortOrders();

}  // namespace qb
