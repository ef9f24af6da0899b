// The choice of a new block and the plan-variable submenu.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "planlib/editor/block_catalog.h"
#include "planlib/editor/plan_variable_menu.h"
#include "planlib/engine/block_kinds.h"
#include "planlib/engine/plan_variables.h"

namespace qb {
namespace {

TEST(BlockCatalogTest, EveryKindIsInOneOfTheNineteenCategories) {
  const std::vector<std::string_view>& categories = BlockCategories();
  ASSERT_EQ(categories.size(), 19u);
  EXPECT_EQ(categories.front(), "条件");
  EXPECT_EQ(categories[11], "作業中ウィンドウ");
  EXPECT_EQ(categories.back(), "スタックタブ");
  ASSERT_EQ(BlockCatalog().size(), BlockKinds().size());
  std::size_t listed = 0;
  for (std::string_view category : categories) {
    std::vector<const CatalogEntry*> entries = BlocksOfCategory(category);
    EXPECT_FALSE(entries.empty()) << category;
    listed += entries.size();
  }
  EXPECT_EQ(listed, BlockKinds().size());
  EXPECT_EQ(FindCatalogEntry("CONDITION")->summary,
            "【条件】　条件に一致した場合に、配下の操作ブロックを実行します。条件は複数設定できます。");
  EXPECT_EQ(FindCatalogEntry("LINE")->category, "行単位操作");
  std::vector<std::string_view> replaces;
  for (const CatalogEntry* entry : BlocksOfCategory("置換")) replaces.push_back(entry->tag);
  EXPECT_EQ(replaces, (std::vector<std::string_view>{"CHANGE", "CHANGE_PATTERN", "CHANGE_FILE"}));
}

TEST(PlanVariableMenuTest, EveryVariableIsOfferedOnceInItsGroup) {
  const std::vector<PlanVariableGroup>& menu = PlanVariableMenu();
  std::vector<std::string_view> labels;
  std::multiset<std::string> names;
  for (const PlanVariableGroup& group : menu) {
    labels.push_back(group.label);
    for (const std::string& name : group.names) names.insert(name);
  }
  EXPECT_EQ(labels, (std::vector<std::string_view>{"作業用", "日時関連", "フォルダ関連", "ファイル関連", "情報", "結果",
                                                   "カウンター", "書式カウンター", "行単位関連", "ループ関連",
                                                   "ブロック入力文字数"}));
  std::multiset<std::string> all;
  for (int code : PlanVariables::substitutionOrder()) all.insert(PlanVariables::nameOfCode(code));
  EXPECT_EQ(names, all);
  EXPECT_EQ(menu[0].names.front(), "<$作業用01>");
  EXPECT_EQ(menu[7].names.back(), "<$書式カウンター09>");
}

}  // namespace
}  // namespace qb
