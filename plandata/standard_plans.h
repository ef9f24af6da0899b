// The three sets of standard plans that plandata.dll hands out, built from constant texts on
// every call (the library keeps no state).
//   Rireki  (9, "V1.00") for the group "プラン呼び出し専用"
//   HotKey  (3, "V1.00") and HotKey2 (33, "V1.20") for the group "ホットキー呼び出し専用"
#pragma once
#include <string_view>

#include "plandata/plan_record_table.h"

namespace qb {

PlanRecordTable RirekiPlans();
PlanRecordTable HotKeyPlans();
PlanRecordTable HotKey2Plans();

// Files the standard plans keep in the plan data-home folder.
namespace standard_plan_file {
inline constexpr std::string_view kScrapbook = "<$データホームフォルダ>\\スクラップブック.txt";
inline constexpr std::string_view kQuickMemo = "<$データホームフォルダ>\\快速メモ.txt";
inline constexpr std::string_view kSecondClipboard = "<$データホームフォルダ>\\第2クリップボード.txt";
inline constexpr std::string_view kSelectedText = "<$データホームフォルダ>\\選択テキスト.txt";
// "定型句1.txt" … "定型句5.txt"
inline constexpr std::string_view kPhraseStem = "<$データホームフォルダ>\\定型句";
}  // namespace standard_plan_file

}  // namespace qb
