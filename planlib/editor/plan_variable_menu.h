// The "プラン変数" submenu of the editor's text fields: every plan variable name, in groups.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct PlanVariableGroup {
  std::string_view label;          // "作業用"
  std::vector<std::string> names;  // "<$作業用01>" …
};

// 作業用, 日時関連, フォルダ関連, ファイル関連, 情報, 結果, カウンター, 書式カウンター, 行単位関連,
// ループ関連, ブロック入力文字数.
const std::vector<PlanVariableGroup>& PlanVariableMenu();

}  // namespace qb
