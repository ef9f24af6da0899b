#include "app/tablist/tab_menu.h"

#include <vector>

#include "app/tablist/menu_commands.h"
#include "app/tablist/plan_call_commands.h"

namespace qb {

namespace menu_command {

int CopyToSaveGroupCommand(int group) {
  if (group == 0) return kCopyToSaveGroupFirst;
  if (group >= 1 && group <= 9) return kCopyToSaveGroupSecond + group - 1;
  return -1;
}

int SaveGroupOfCopyCommand(int command) {
  if (command == kCopyToSaveGroupFirst) return 0;
  if (command >= kCopyToSaveGroupSecond && command < kCopyToSaveGroupSecond + 9) {
    return command - kCopyToSaveGroupSecond + 1;
  }
  return -1;
}

int MoveToGroupCommand(int group) {
  return group >= 0 && group <= 9 ? kMoveToGroupFirst + group : -1;
}

int GroupOfMoveCommand(int command) {
  return command >= kMoveToGroupFirst && command < kMoveToGroupFirst + 10
             ? command - kMoveToGroupFirst
             : -1;
}

}  // namespace menu_command

namespace mc = menu_command;
using E = MenuEntry;

std::vector<MenuEntry> SpecialPasteEntries() {
  std::vector<MenuEntry> bulk = {
      E::Command("指定行以上を一括貼付", mc::kBulkPasteAbove),
      E::Command("指定行以上を一括貼付（改行挿入）", mc::kBulkPasteAboveBreaks),
      E::Command("指定行以下を一括貼付", mc::kBulkPasteBelow),
      E::Command("指定行以下を一括貼付（改行挿入）", mc::kBulkPasteBelowBreaks)};
  return {E::Command("前後空白等を除去して貼付", mc::kPasteTrimEnds),
          E::Command("全ての空白等を除去して貼付", mc::kPasteNoBlanks),
          E::Command("1行貼付毎にTabキー押下", mc::kPasteTabPerLine),
          E::Submenu("一括貼り付け", std::move(bulk)), PlanCallSubmenu()};
}

MenuModel HistoryMenuPattern() {
  std::vector<MenuEntry> special = SpecialPasteEntries();
  std::vector<MenuEntry> operations = {
      E::Command("最新位置に移動", mc::kMoveToTop),
      E::Separator(),
      E::Command("1行毎に分割（改行付き）", mc::kSplitWithBreaks),
      E::Command("1行毎に分割（改行無し）", mc::kSplitWithoutBreaks),
      E::Separator(),
      E::Command("指定行以上を結合", mc::kJoinAbove),
      E::Command("指定行以上を結合（改行挿入）", mc::kJoinAboveBreaks)};
  return MenuModel({
      E::Command("作業中文書に貼り付け", mc::kPasteToDocument),
      E::Command("クリップボードへコピー", mc::kCopyToClipboard),
      E::Command("部分選択...", mc::kPartialSelection),
      E::Submenu("特殊貼り付け", std::move(special)),
      E::Separator(),
      E::Command("内容確認...", mc::kContentView),
      E::Separator(),
      E::Command("保存...", mc::kSave),
      E::Submenu("指定保存...", {E::Command("", mc::kCopyToGroupPlaceholder)}),
      E::Separator(),
      E::Command("共有へ複写...", mc::kCopyToShared),
      E::Separator(),
      E::Submenu("操作", std::move(operations)),
      E::Separator(),
      E::Command("削除        　　　　Delete", mc::kDelete),
  });
}

namespace {

std::vector<MenuEntry> GroupEntries(const std::array<std::string, 10>& names, int current,
                                    int (*commandOf)(int)) {
  std::vector<MenuEntry> entries;
  for (int group = 0; group < 10; ++group) {
    MenuEntry entry = E::Command(names[group], commandOf(group));
    entry.checked = group == current;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

void InsertGroupSubmenus(MenuModel& menu, const TabMenuContext& context) {
  if (menu.insertBefore(mc::kCopyToGroupPlaceholder,
                        GroupEntries(context.saveGroupNames, context.currentSaveGroup,
                                     &mc::CopyToSaveGroupCommand))) {
    menu.remove(mc::kCopyToGroupPlaceholder);
  }
  if (menu.insertBefore(mc::kMoveToGroupPlaceholder,
                        GroupEntries(context.ownGroupNames, context.currentOwnGroup,
                                     &mc::MoveToGroupCommand))) {
    menu.remove(mc::kMoveToGroupPlaceholder);
  }
}

void PrepareTabMenu(MenuModel& menu, const TabMenuContext& context) {
  if (!context.sharedTabEnabled) menu.remove(mc::kCopyToShared, /*withSeparatorBefore=*/true);
  menu.setDefault(context.clickPastes ? mc::kPasteToDocument : mc::kCopyToClipboard);
}

}  // namespace qb
