// Command numbers of the Plan tab's bar and context menu.
#pragma once

namespace qb::plan_command {

inline constexpr int kSortByName = 32982;      // "プラン名順"
inline constexpr int kSortByCreation = 32986;  // "作成順", the order plans were stored or placed
inline constexpr int kRun = 32987;             // "実行"
inline constexpr int kNew = 32988;             // "新規作成..."
inline constexpr int kChange = 32989;          // "変更..."
inline constexpr int kImport = 32990;          // "プランファイルの取り込み..."
// "履歴取得時にプラン呼び出し" of the History tab's option menu.
inline constexpr int kCapturePlanSwitch = 32991;
// "指定のグループに複写": the plan copied into plan group 1-10.
inline constexpr int kCopyToGroupFirst = 61232;  // 61232-61241

}  // namespace qb::plan_command
