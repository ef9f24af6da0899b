#include "tabs/plan/plan_call_menu.h"

#include "app/tablist/menu_commands.h"
#include "tabs/plan/plan_list.h"
#include "tabs/plan/plan_menu.h"

namespace qb {

PlanCallMenu::PlanCallMenu(PlanDirectory& directory, PlanRoutes& routes,
                           const EnvironmentSettings& environment, PlanChooser& chooser)
    : directory_(directory), routes_(routes), environment_(environment), chooser_(chooser) {}

void PlanCallMenu::prepare(MenuModel& menu) const {
  PreparePlanCallMenu(menu, environment_.Plan_Enable == 1, directory_.groupPlans(kPlanCallGroup));
}

bool PlanCallMenu::run(int command, std::string_view value) {
  if (int position = PlanCallPositionOf(command); position >= 0) {
    routes_.m_PlanCallGo(position, value, /*hideMainWindow=*/true);
    return true;
  }
  if (command != menu_command::kPlanList) return false;
  std::vector<std::string> names;
  for (const PlanFileInfo& plan : directory_.groupPlans(kPlanCallGroup)) names.push_back(plan.name);
  if (names.empty()) return true;
  if (std::optional<int> chosen =
          chooser_.choose("Quillbox＜プラン一覧＞", "呼び出すプランを選択してください。", names)) {
    routes_.m_PlanCallGo(*chosen, value, /*hideMainWindow=*/true);
  }
  return true;
}

}  // namespace qb
