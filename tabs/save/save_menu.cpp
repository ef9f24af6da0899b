#include "app/tablist/menu_commands.h"
#include "app/tablist/plan_call_commands.h"
#include "tabs/save/save_commands.h"
#include "tabs/save/save_list.h"

namespace qb {

namespace mc = menu_command;
using E = MenuEntry;

MenuModel SaveMenuPattern() {
  std::vector<MenuEntry> special = {
      E::Command("前後空白等を除去して貼付", mc::kPasteTrimEnds),
      E::Command("全ての空白等を除去して貼付", mc::kPasteNoBlanks),
      E::Command("1行貼付毎にTabキー押下", mc::kPasteTabPerLine), PlanCallSubmenu()};
  return MenuModel({
      E::Command("作業中文書に貼り付け", mc::kPasteToDocument),
      E::Command("クリップボードへコピー", mc::kCopyToClipboard),
      E::Command("部分選択...", mc::kPartialSelection),
      E::Submenu("特殊貼り付け", std::move(special)),
      E::Separator(),
      E::Command("内容確認...", mc::kContentView),
      E::Separator(),
      E::Command("変更...", save_command::kChange),
      E::Command("値の新規作成...", save_command::kNewItem),
      E::Separator(),
      E::Submenu("指定のグループに複写", {E::Command("", mc::kCopyToGroupPlaceholder)}),
      E::Submenu("指定のグループに移動", {E::Command("", mc::kMoveToGroupPlaceholder)}),
      E::Separator(),
      E::Command("削除        　　　　Delete", mc::kDelete),
  });
}

std::span<const SortOrderEntry> SaveSortOrders() {
  static const SortOrderEntry kOrders[] = {
      {"作成順", save_command::kSortByCreation, save_column::kCreated},
      {"ラベル順", save_command::kSortByLabel, save_column::kLabel},
      {"値順", save_command::kSortByValue, save_column::kValue},
      {"値のサイズ順", save_command::kSortBySize, save_column::kSize},
  };
  return kOrders;
}

}  // namespace qb
