#include "app/tablist/menu_commands.h"
#include "app/tablist/plan_call_commands.h"
#include "tabs/related/related_commands.h"
#include "tabs/related/related_list.h"

namespace qb {

namespace mc = menu_command;
namespace rc = related_command;
using E = MenuEntry;

MenuModel RelatedMenuPattern() {
  std::vector<MenuEntry> special = {
      E::Command("前後空白等を除去して貼付", mc::kPasteTrimEnds),
      E::Command("全ての空白等を除去して貼付", mc::kPasteNoBlanks), PlanCallSubmenu()};
  return MenuModel({
      E::Command("作業中文書に貼り付け", mc::kPasteToDocument),
      E::Command("クリップボードへコピー", mc::kCopyToClipboard),
      E::Command("部分選択...", mc::kPartialSelection),
      E::Submenu("特殊貼り付け", std::move(special)),
      E::Separator(),
      E::Command("内容確認...", mc::kContentView),
      E::Separator(),
      E::Submenu("指定保存...", {E::Command("", mc::kCopyToGroupPlaceholder)}),
  });
}

MenuModel RelatedLinkMenu() {
  return MenuModel({
      E::Command("新しい関連付け...", rc::kLink),
      E::Command("関連の解除", rc::kUnlink),
      E::Separator(),
      E::Command("メモ帳で編集", rc::kEditNotepad),
      E::Command("関連付けエディタで編集", rc::kEditAssociated),
  });
}

std::span<const SortOrderEntry> RelatedSortOrders() {
  static const SortOrderEntry kOrders[] = {
      {"読込順", rc::kSortByReadOrder, related_column::kReadOrder},
      {"ラベル順", rc::kSortByLabel, related_column::kLabel},
      {"値順", rc::kSortByValue, related_column::kValue},
      {"値のサイズ順", rc::kSortBySize, related_column::kSize},
  };
  return kOrders;
}

}  // namespace qb
