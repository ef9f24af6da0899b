// "特殊貼り付け" → "プラン呼び出し" of the tabs whose rows hold texts: the submenu the Plan tab fills
// with the plans of "プラン呼び出し専用", and its commands, which run a plan on the row's value.
// A tab without it (no Plan tab) shows no such submenu.
#pragma once
#include <string_view>

#include "app/tablist/menu_commands.h"
#include "app/tablist/menu_model.h"

namespace qb {

class PlanCallCommands {
 public:
  virtual ~PlanCallCommands() = default;
  // Fills the submenu that holds "プラン一覧...".
  virtual void prepare(MenuModel& menu) const = 0;
  // True when `command` is one of the submenu's; the chosen plan then runs on `value`.
  virtual bool run(int command, std::string_view value) = 0;
};

// The submenu filled, or, without plan calls, taken out of the menu.
inline void PreparePlanCallSubmenu(MenuModel& menu, const PlanCallCommands* planCall) {
  if (planCall) {
    planCall->prepare(menu);
    return;
  }
  menu.remove(menu_command::kPlanList);
  menu.removeEmptySubmenus();
}

// The entry of the submenu of a tab's menu.
inline MenuEntry PlanCallSubmenu() {
  return MenuEntry::Submenu("プラン呼び出し",
                            {MenuEntry::Command("プラン一覧...", menu_command::kPlanList)});
}

}  // namespace qb
