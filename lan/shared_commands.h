// Command numbers of the Shared tab: its sort orders, its context menu and its bar.
#pragma once

namespace qb::shared_command {

inline constexpr int kSortByValue = 32933;     // "値順"
inline constexpr int kSortByLabel = 32934;     // "ラベル順"
inline constexpr int kSortBySize = 32935;      // "値のサイズ順"
inline constexpr int kSortByCreation = 32936;  // "作成順", newest first

inline constexpr int kStorePlan = 32971;      // "プランタブに保存..."
inline constexpr int kNewItem = 32972;        // "値の新規作成..."
inline constexpr int kChange = 32973;         // "変更..."
inline constexpr int kDeleteProtect = 32974;  // "削除不可設定"
inline constexpr int kStatus = 32975;         // "共有の情報／エラー情報..."
inline constexpr int kAddFolder = 32976;      // "共有フォルダの選択..."
inline constexpr int kRemoveFolder = 32977;   // "表示中の共有フォルダの選択を解除..."
inline constexpr int kFolderFirst = 32986;    // 32986-32995: selected folders 1-10

inline int FolderCommand(int index) { return index >= 0 && index < 10 ? kFolderFirst + index : -1; }
inline int FolderOfCommand(int command) {
  return command >= kFolderFirst && command < kFolderFirst + 10 ? command - kFolderFirst : -1;
}

}  // namespace qb::shared_command
