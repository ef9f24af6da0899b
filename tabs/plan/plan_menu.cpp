#include "tabs/plan/plan_menu.h"

#include <algorithm>

#include "app/tablist/menu_commands.h"
#include "tabs/plan/plan_commands.h"
#include "tabs/plan/plan_list.h"

namespace qb {

namespace mc = menu_command;
namespace pc = plan_command;
using E = MenuEntry;

namespace {

std::vector<MenuEntry> GroupCopyEntries(const TabMenuContext& context) {
  std::vector<MenuEntry> entries;
  for (int group = 0; group < kPlanGroupCount; ++group) {
    MenuEntry entry = E::Command(context.ownGroupNames[static_cast<std::size_t>(group)],
                                 pc::kCopyToGroupFirst + group);
    entry.enabled = group != context.currentOwnGroup;
    entries.push_back(std::move(entry));
  }
  return entries;
}

void GrayCurrentGroup(std::vector<MenuEntry>& entries, int current) {
  for (MenuEntry& entry : entries) {
    if (entry.kind == MenuEntry::Kind::kSubmenu) GrayCurrentGroup(entry.children, current);
    if (entry.kind == MenuEntry::Kind::kCommand && entry.command == mc::MoveToGroupCommand(current)) {
      entry.enabled = false;
    }
  }
}

}  // namespace

MenuModel PlanMenuOfEmptyArea() {
  return MenuModel({E::Command("新規作成...", pc::kNew), E::Command("プランファイルの取り込み...", pc::kImport)});
}

MenuModel PlanMenu(const TabMenuContext& context) {
  std::vector<MenuEntry> entries = {
      E::Command("実行", pc::kRun),
      E::Separator(),
      E::Command("新規作成...", pc::kNew),
      E::Command("変更...", pc::kChange),
      E::Separator(),
      E::Submenu("指定のグループに複写", GroupCopyEntries(context)),
      E::Submenu("指定のグループに移動", {E::Command("", mc::kMoveToGroupPlaceholder)}),
      E::Separator(),
      E::Command("共有へ複写...", mc::kCopyToShared),
      E::Separator(),
      E::Command("プランファイルの取り込み...", pc::kImport),
      E::Separator(),
      E::Command("削除        　　　　Delete", mc::kDelete),
  };
  MenuModel menu(std::move(entries));
  InsertGroupSubmenus(menu, context);
  if (!context.sharedTabEnabled) menu.remove(mc::kCopyToShared, /*withSeparatorBefore=*/true);
  std::vector<MenuEntry> all = menu.entries();
  GrayCurrentGroup(all, context.currentOwnGroup);
  MenuModel prepared(std::move(all));
  prepared.setDefault(pc::kRun);
  return prepared;
}

std::span<const PlanSortOrder> PlanSortOrders() {
  static const PlanSortOrder kOrders[] = {
      {"作成順", pc::kSortByCreation, plan_column::kCreated},
      {"プラン名順", pc::kSortByName, plan_column::kName},
  };
  return kOrders;
}

MenuModel PlanSortMenu(int currentColumn) {
  std::vector<MenuEntry> entries;
  for (const PlanSortOrder& order : PlanSortOrders()) {
    MenuEntry entry = E::Command(order.caption, order.command);
    entry.checked = order.column == currentColumn;
    entries.push_back(std::move(entry));
  }
  return MenuModel(std::move(entries));
}

int PlanGroupOfCopyCommand(int command) {
  return command >= pc::kCopyToGroupFirst && command < pc::kCopyToGroupFirst + kPlanGroupCount
             ? command - pc::kCopyToGroupFirst
             : -1;
}

void PreparePlanCallMenu(MenuModel& menu, bool plansEnabled, const std::vector<PlanFileInfo>& plans) {
  std::vector<MenuEntry> entries;
  auto grayed = [](const char* caption) {
    MenuEntry entry = E::Command(caption, mc::kPlanList);
    entry.enabled = false;
    return entry;
  };
  if (!plansEnabled) {
    entries.push_back(grayed("プラン使用不可"));
  } else if (plans.empty()) {
    entries.push_back(grayed("プラン無し"));
  } else {
    const std::size_t shown = std::min<std::size_t>(plans.size(), mc::kRunPlanCount);
    for (std::size_t i = 0; i < shown; ++i) {
      entries.push_back(E::Command(plans[i].name, mc::kRunPlanFirst + static_cast<int>(i)));
    }
    if (plans.size() > shown) {
      entries.push_back(E::Separator());
      entries.push_back(E::Command("プラン一覧...", mc::kPlanList));
    }
  }
  menu.replaceSubmenuHolding(mc::kPlanList, std::move(entries));
}

int PlanCallPositionOf(int command) {
  return command >= mc::kRunPlanFirst && command < mc::kRunPlanFirst + mc::kRunPlanCount
             ? command - mc::kRunPlanFirst
             : -1;
}

}  // namespace qb
