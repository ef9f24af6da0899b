#include "tabs/plan/plan_tab.h"

#include "app/tablist/menu_commands.h"
#include "tabs/plan/plan_commands.h"
#include "tabs/plan/plan_menu.h"

namespace qb {

namespace mc = menu_command;
namespace pc = plan_command;

bool PlanTab::refusedWhileBusy() {
  if (controlsEnabled()) return false;
  parts_.ui.showMessage(kPlanBusyMessage, MessageIcon::kExclamation);
  return true;
}

std::vector<std::string> PlanTab::groupNames() const {
  std::vector<std::string> names;
  for (int group = 0; group < kPlanGroupCount; ++group) names.push_back(list_.groupName(group));
  return names;
}

void PlanTab::chooseGroup(int group) {
  if (group != list_.shownGroup()) list_.chooseGroup(group);
}

MenuModel PlanTab::sortMenu() const { return PlanSortMenu(list_.sortColumn()); }

void PlanTab::sortBy(int command) {
  for (const PlanSortOrder& order : PlanSortOrders()) {
    if (order.command == command) list_.sortByCommand(order.column);
  }
}

void PlanTab::run(int row) {
  if (row < 0 || row >= list_.rowCount()) return;
  // The Plan tab's run starts from an empty text: the plan takes its text from the working
  // window, which comes to the front when the main window hides.
  parts_.routes.m_PlanGo(list_.shownGroup(), list_.fileName(row), "", /*hideMainWindow=*/true);
}

void PlanTab::newPlan() {
  if (refusedWhileBusy()) return;
  edit({list_.shownGroup(), {}, {}, {}});
}

void PlanTab::changePlan(int row) {
  if (row < 0 || row >= list_.rowCount() || refusedWhileBusy()) return;
  PlanItem record;
  if (list_.readPlan(row, record, "6m_Update") != 0) return;
  edit({list_.shownGroup(), list_.fileName(row), std::move(record.text), std::move(record.version)});
}

void PlanTab::edit(PlanEditInputs inputs) {
  const bool taken = parts_.requests.requestEdit(
      std::move(inputs),
      [this](const PlanEditInputs& asked, const PlanEditOutcome& outcome) { planEdited(asked, outcome); });
  if (!taken) parts_.ui.showMessage(kPlanBusyMessage, MessageIcon::kExclamation);
}

void PlanTab::planEdited(const PlanEditInputs& inputs, const PlanEditOutcome& outcome) {
  if (outcome.reachedEditor) parts_.environment.PlanMaxDspFlg = outcome.maximized ? 1 : 0;
  if (!outcome.saved) return;
  if (inputs.fileName.empty()) {
    list_.storePlan(inputs.group, outcome.plan);
  } else {
    list_.updatePlan(inputs.group, inputs.fileName, outcome.plan);
  }
}

void PlanTab::importFile() {
  if (refusedWhileBusy()) return;
  if (std::optional<std::string> path = parts_.dialogs.choosePlanFile()) {
    list_.importPlanFile(*path);
  }
}

void PlanTab::importPath(const std::string& path) {
  if (!refusedWhileBusy()) list_.importPlanFile(path);
}

void PlanTab::deleteRow(int row) {
  if (row < 0 || row >= list_.rowCount() || refusedWhileBusy()) return;
  list_.deletePlan(row);
}

void PlanTab::dragRow(int from, int to) {
  if (refusedWhileBusy()) return;
  list_.reorder(from, to);
}

void PlanTab::runMenuCommand(int row, int command) {
  if (command == pc::kRun) return run(row);
  if (command == pc::kNew) return newPlan();
  if (command == pc::kChange) return changePlan(row);
  if (command == pc::kImport) return importFile();
  if (command == mc::kDelete) return deleteRow(row);
  if (row < 0 || row >= list_.rowCount()) return;
  if (int group = PlanGroupOfCopyCommand(command); group >= 0) {
    if (!refusedWhileBusy()) list_.copyPlan(row, group);
  } else if (int target = mc::GroupOfMoveCommand(command); target >= 0) {
    if (!refusedWhileBusy()) list_.movePlan(row, target);
  } else if (command == mc::kCopyToShared) {
    list_.copyToShared(row);
  }
}

bool PlanTab::arrowKey(bool right) {
  if (parts_.environment.LRKeyGroupChange != 1) return false;
  int group = list_.shownGroup() + (right ? 1 : -1);
  if (group < 0 || group >= kPlanGroupCount) return true;
  chooseGroup(group);
  return true;
}

std::string PlanTab::explanation() const {
  if (parts_.environment.TabHelpDsp != 1) return {};
  return "プランを選んで実行します。「プラン呼び出し専用」のプランは他のタブの「プラン呼び出し」"
         "から、「ホットキー呼び出し専用」のプランはホットキーやプランメニュー（Ctrl＋右クリック）"
         "から呼び出せます。";
}

}  // namespace qb
