// "プラン呼び出し" of the History, Save, related-files and Stack tabs: the submenu filled with the
// plans of "プラン呼び出し専用", and its commands, which run the chosen plan on the row's value.
#pragma once
#include <string_view>

#include "app/settings/environment_settings.h"
#include "app/tablist/menu_model.h"
#include "app/tablist/plan_call_commands.h"
#include "tabs/plan/plan_chooser.h"
#include "tabs/plan/plan_directory.h"
#include "tabs/plan/plan_routes.h"

namespace qb {

class PlanCallMenu : public PlanCallCommands {
 public:
  PlanCallMenu(PlanDirectory& directory, PlanRoutes& routes,
               const EnvironmentSettings& environment, PlanChooser& chooser);

  // Fills the submenu of a tab's menu that holds "プラン一覧...".
  void prepare(MenuModel& menu) const override;
  // True when `command` is one of the submenu's; the plan then runs on `value` (after the plan
  // selection window for "プラン一覧...").
  bool run(int command, std::string_view value) override;

 private:
  PlanDirectory& directory_;
  PlanRoutes& routes_;
  const EnvironmentSettings& environment_;
  PlanChooser& chooser_;
};

}  // namespace qb
