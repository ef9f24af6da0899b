// The Plan tab's commands: its bar (group choice, sort orders, new, change, run, import, delete),
// its context menu, its keys and dragged rows. While a plan is edited or run every command that
// would change or run a plan is refused, and the view shows its controls disabled.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/settings/environment_settings.h"
#include "app/tablist/tab_menu.h"
#include "platform/ui.h"
#include "tabs/plan/plan_list.h"
#include "tabs/plan/plan_thread_port.h"
#include "tabs/plan/plan_routes.h"

namespace qb {

class PlanTabDialogs {
 public:
  virtual ~PlanTabDialogs() = default;
  // The plan file to import, or nothing when the user cancelled.
  virtual std::optional<std::string> choosePlanFile() = 0;
};

struct PlanTabParts {
  CPlanList& list;
  PlanRoutes& routes;
  PlanThreadPort& requests;
  EnvironmentSettings& environment;
  Ui& ui;
  PlanTabDialogs& dialogs;
};

class PlanTab {
 public:
  explicit PlanTab(PlanTabParts parts) : parts_(parts), list_(parts.list) {}

  CPlanList& list() { return list_; }
  // False while a plan is edited or run.
  bool controlsEnabled() const { return !parts_.requests.busy(); }

  // Enter, a double click: the plan runs.
  void activate(int row) { run(row); }
  MenuModel menu(const TabMenuContext& context) { return list_.loadMenu(context); }
  void runMenuCommand(int row, int command);

  // The bar.
  std::vector<std::string> groupNames() const;
  int shownGroup() const { return list_.shownGroup(); }
  void chooseGroup(int group);
  MenuModel sortMenu() const;
  void sortBy(int command);
  void run(int row);
  // "新規作成...": the editor on an empty plan of the group shown, on the plan thread.
  void newPlan();
  // "変更...": the editor on the row's plan.
  void changePlan(int row);
  void importFile();
  // A plan file dropped on the list.
  void importPath(const std::string& path);
  void deleteRow(int row);

  // ← and → switch groups when `LRKeyGroupChange=` is 1 (true when used).
  bool arrowKey(bool right);
  void dragRow(int from, int to);
  // The tab's explanation when `TabHelpDsp=` is 1, else empty.
  std::string explanation() const;

 private:
  // True (after the message) while a plan is edited or run.
  bool refusedWhileBusy();
  void edit(PlanEditInputs inputs);
  // The editor closed: on OK the plan is stored, as a new file or over its own; the editor's
  // maximised state is kept for the next edit either way.
  void planEdited(const PlanEditInputs& inputs, const PlanEditOutcome& outcome);

  PlanTabParts parts_;
  CPlanList& list_;
};

}  // namespace qb
