// Command numbers of the Open tab: its sort orders, its context menu and its bar.
#pragma once

namespace qb::open_command {

inline constexpr int kSortByValue = 32913;      // "値順", column 1
inline constexpr int kSortByPublisher = 32914;  // "公開者順", column 0
inline constexpr int kSortBySize = 32915;       // "値のサイズ順", column 7
inline constexpr int kSortByPublishing = 32919;  // "公開・未公開順", column 11
inline constexpr int kSortByArrival = 32929;     // "登録順": own row first, then as they came

inline constexpr int kToggleSync = 32916;        // "変更の同期"
inline constexpr int kResetSync = 32917;         // "変更同期の初期化..."
inline constexpr int kMaintenanceProbe = 32918;  // "稼働中のコンピュータを調べる"
inline constexpr int kStatus = 32920;            // "公開の情報／エラー情報..."
inline constexpr int kTogglePublishing = 32921;  // "公開する"
inline constexpr int kAddGroup = 32922;          // "公開グループの追加..."
inline constexpr int kGroupFirst = 32940;        // 32940-32949: publish groups 1-10

// The command of choosing publish group 0-9, and back (-1 when not one of them).
inline int GroupCommand(int group) { return group >= 0 && group < 10 ? kGroupFirst + group : -1; }
inline int GroupOfCommand(int command) {
  return command >= kGroupFirst && command < kGroupFirst + 10 ? command - kGroupFirst : -1;
}

}  // namespace qb::open_command
