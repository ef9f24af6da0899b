// The Plan tab's context menu and sort orders, and the "プラン呼び出し" submenu that the other
// tabs' menus carry.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "app/tablist/menu_model.h"
#include "app/tablist/tab_menu.h"
#include "tabs/plan/plan_store.h"

namespace qb {

// Run (the default entry), new and change, copy and move to another plan group (the group shown grayed), copy
// to the Shared tab where it is enabled, import, delete.
MenuModel PlanMenu(const TabMenuContext& context);
// The list's empty area: a new plan, or one imported from a file.
MenuModel PlanMenuOfEmptyArea();

struct PlanSortOrder {
  const char* caption;
  int command;
  int column;
};
// "作成順" (newest first) and "プラン名順".
std::span<const PlanSortOrder> PlanSortOrders();
// The sort menu with the current order checked.
MenuModel PlanSortMenu(int currentColumn);

// The plan group of a copy command, or -1.
int PlanGroupOfCopyCommand(int command);

// Fills the "プラン呼び出し" submenu of another tab's menu: the plans of the group
// "プラン呼び出し専用" (the first 20 as commands 61243-61262, "プラン一覧..." for all of them
// when there are more), or one grayed entry: "プラン使用不可" while plans are switched off,
// "プラン無し" when the group is empty.
void PreparePlanCallMenu(MenuModel& menu, bool plansEnabled, const std::vector<PlanFileInfo>& plans);
// The position in the plan-call group of a run command, or -1.
int PlanCallPositionOf(int command);

}  // namespace qb
