#include "hotkeys/hook_installer.h"

namespace qb {

HookSwitches HookSwitchesFrom(const EnvironmentSettings& s, bool planLibraryAvailable) {
  HookSwitches switches;
  switches.leftEdge = s.MouseEdgeLeft == 1;
  switches.rightEdge = s.MouseEdgeRight == 1;
  switches.planMenu = s.PlanMenu == 1 && s.Plan_Enable == 1 && planLibraryAvailable;
  switches.clickReport = s.NoActClose == 1;
  switches.currentPlanGroup = s.PlanMenuNowGroup;
  return switches;
}

HookInstaller::HookInstaller(HookLibrary& library, PlanCatalog& catalog)
    : library_(library), catalog_(catalog) {}

void HookInstaller::start(WindowId mainWindow) {
  mainWindow_ = mainWindow;
  library_.initialize();
}

void HookInstaller::install(const HookSwitches& switches,
                            const std::array<std::string, 10>& groupNames) {
  remove();
  switches_ = switches;
  if (!switches.any()) return;
  library_.install(mainWindow_, switches);
  installed_ = true;
  if (switches.planMenu) library_.stopPlanMenu(busy_);
  sendNames(groupNames);
}

void HookInstaller::remove() {
  if (!installed_) return;
  library_.remove();
  installed_ = false;
}

void HookInstaller::sendNames(const std::array<std::string, 10>& groupNames) {
  std::string joined;
  for (std::size_t g = 0; g < groupNames.size(); ++g) {
    if (g > 0) joined += "\r\n";
    joined += groupNames[g];
  }
  library_.setGroupNames(joined);
  for (int group = 0; group < kPlanMenuGroupCount; ++group) {
    const std::vector<PlanEntry> plans = catalog_.plans(group);
    auto& files = planFiles_[static_cast<std::size_t>(group)];
    files.clear();
    for (const PlanEntry& plan : plans) files.push_back(plan.fileName);
    library_.setPlanNames(group, JoinPlanNames(plans));
  }
}

void HookInstaller::refreshNames(const std::array<std::string, 10>& groupNames) {
  if (installed_) sendNames(groupNames);
}

void HookInstaller::busyChanged(bool busy) {
  busy_ = busy;
  if (switches_.planMenu) library_.stopPlanMenu(busy);
}

std::optional<std::string> HookInstaller::planFileAt(int group, int index) const {
  if (group < 0 || group >= kPlanMenuGroupCount || index < 0) return std::nullopt;
  const auto& files = planFiles_[static_cast<std::size_t>(group)];
  if (index >= static_cast<int>(files.size())) return std::nullopt;
  return files[static_cast<std::size_t>(index)];
}

}  // namespace qb
