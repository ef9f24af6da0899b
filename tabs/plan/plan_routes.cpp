#include "tabs/plan/plan_routes.h"

#include "tabs/plan/plan_list.h"

namespace qb {
PlanRoutes::PlanRoutes(PlanRouteParts parts) : parts_(parts) {}

int PlanRoutes::run(int group, std::string_view fileName, std::string_view input,
                    bool hideMainWindow, std::string_view operation) {
  PlanItem record;
  if (!parts_.store.read(group, fileName, record)) {
    parts_.ui.showMessage(PlanReadFailure(operation, parts_.store.path(group, fileName)),
                          MessageIcon::kStop);
    return -1;
  }
  parts_.requests.requestRun(
      {std::move(record.text), std::move(record.version), std::string(input), hideMainWindow});
  return 0;
}

int PlanRoutes::m_PlanGo(int group, std::string_view fileName, std::string_view input,
                         bool hideMainWindow) {
  if (parts_.requests.busy()) {
    parts_.ui.showMessage(kPlanBusyMessage, MessageIcon::kExclamation);
    return -1;
  }
  return run(group, fileName, input, hideMainWindow, "m_PlanGo");
}

int PlanRoutes::m_PlanCallGo(int position, std::string_view input, bool hideMainWindow) {
  if (parts_.requests.busy()) {
    parts_.ui.showMessage(kPlanBusyMessage, MessageIcon::kExclamation);
    return -1;
  }
  std::optional<PlanFileInfo> plan = parts_.directory.at(kPlanCallGroup, position);
  if (!plan) return -1;
  return run(kPlanCallGroup, plan->fileName, input, hideMainWindow, "m_PlanCallGo");
}

bool PlanRoutes::refusedFromOutside() {
  if (!parts_.requests.busy() && !parts_.ui.isBusy()) return false;
  parts_.ui.showMessage(kPlanRunRefusedMessage, MessageIcon::kExclamation);
  return true;
}

int PlanRoutes::runHotkeyPlan(int group, std::string_view fileName) {
  if (parts_.environment.Plan_Enable != 1 || group < 0 || group >= kPlanGroupCount ||
      fileName.empty()) {
    return -1;
  }
  if (refusedFromOutside()) return -1;
  return run(group, fileName, "", /*hideMainWindow=*/false, "m_PlanGGetSub");
}

int PlanRoutes::runMenuPlan(int group, int index, std::string_view fileName) {
  if (parts_.environment.Plan_Enable != 1 || group < 0 || group >= kPlanGroupCount) return -1;
  // The popup menu shows this group from now on, as the user last chose it there.
  parts_.environment.PlanMenuNowGroup = group;
  std::string chosen(fileName);
  if (chosen.empty()) {
    std::optional<PlanFileInfo> plan = parts_.directory.at(group, index);
    if (!plan) return -1;
    chosen = plan->fileName;
  }
  if (refusedFromOutside()) return -1;
  return run(group, chosen, "", /*hideMainWindow=*/false, "m_PlanGGetSub");
}

}  // namespace qb
