// Command numbers of the tab lists' context menus and sort orders.
#pragma once

namespace qb::menu_command {

inline constexpr int kCopyToClipboard = 32794;   // "クリップボードへコピー"
inline constexpr int kPasteToDocument = 32795;   // "作業中文書に貼り付け"
inline constexpr int kPartialSelection = 32796;  // "部分選択..."
inline constexpr int kPasteTrimEnds = 32797;     // paste kind 1
inline constexpr int kPasteTabPerLine = 32798;   // paste kind 2
inline constexpr int kPasteNoBlanks = 32799;     // paste kind 3
inline constexpr int kBulkPasteAbove = 32800;    // paste kind 4
inline constexpr int kBulkPasteAboveBreaks = 32801;  // paste kind 5
inline constexpr int kBulkPasteBelow = 32802;        // paste kind 6
inline constexpr int kBulkPasteBelowBreaks = 32803;  // paste kind 7
inline constexpr int kPlanList = 32811;          // "プラン一覧..."
inline constexpr int kContentView = 32812;       // "内容確認..."
inline constexpr int kSave = 32813;              // "保存..."
inline constexpr int kCopyToGroupPlaceholder = 32816;
inline constexpr int kMoveToGroupPlaceholder = 32822;
inline constexpr int kCopyToShared = 32907;      // "共有へ複写..."
inline constexpr int kMoveToTop = 32960;         // "最新位置に移動"
inline constexpr int kSplitWithBreaks = 32961;   // "1行毎に分割（改行付き）"
inline constexpr int kSplitWithoutBreaks = 32962;  // "1行毎に分割（改行無し）"
inline constexpr int kJoinAbove = 32963;           // "指定行以上を結合"
inline constexpr int kJoinAboveBreaks = 32964;     // "指定行以上を結合（改行挿入）"
// The join entries of the menu pattern the other tabs share; the History menu has its own.
inline constexpr int kPatternJoin = 32965;
inline constexpr int kPatternJoinBreaks = 32966;
inline constexpr int kDelete = 32970;              // "削除        　　　　Delete"

// Sort orders of the History tab.
inline constexpr int kSortHistoryByMark = 32805;   // "選択・未選択順", column 0
inline constexpr int kSortHistoryByValue = 32806;  // "値順", column 1
inline constexpr int kSortHistoryBySize = 32807;   // "値のサイズ順", column 7
inline constexpr int kSortHistoryByCount = 32815;  // "選択された回数順", column 6

// Group submenus: copy to save group 1 is 61219, groups 2-10 are 61210-61218.
inline constexpr int kCopyToSaveGroupFirst = 61219;
inline constexpr int kCopyToSaveGroupSecond = 61210;
inline constexpr int kMoveToGroupFirst = 61221;    // 61221-61230
inline constexpr int kSaveToGroupFirst = 61232;    // 61232-61241
inline constexpr int kRunPlanFirst = 61243;        // 61243-61262, plans 1-20 of the call group
inline constexpr int kRunPlanCount = 20;

// The command of copy-to-save-group for group 0-9, and back (-1 when not one of them).
int CopyToSaveGroupCommand(int group);
int SaveGroupOfCopyCommand(int command);
int MoveToGroupCommand(int group);
int GroupOfMoveCommand(int command);

}  // namespace qb::menu_command
