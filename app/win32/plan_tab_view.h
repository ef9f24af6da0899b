// The Plan tab as the main window shows it: the plans of a group, its bar (group, sort orders,
// new, change, run: what fits beside the common buttons at the default width), its context menu
// (which also imports and deletes), Enter or a double click that runs a plan, Delete, dropped plan
// files, dragged rows. While a plan is edited or run the bar is disabled.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/win32/tab_view.h"
#include "tabs/plan/plan_tab.h"
#include "winui/control_bar.h"

namespace qb {

class PlanTabView : public TabView, private PlanTabDialogs {
 public:
  struct Parts {
    CPlanList& list;
    PlanRoutes& routes;
    PlanThreadPort& thread;
    EnvironmentSettings& settings;
    Ui& ui;
    std::function<void()> refresh;  // the list's rows changed
  };
  explicit PlanTabView(Parts parts);

  PlanTab& tab() { return tab_; }
  // The plan thread took or finished a request: the bar follows its state.
  void refreshControls();

  TabKind kind() const override { return TabKind::kPlan; }
  std::string caption() const override { return "プラン"; }
  bool enabled() const override { return parts_.settings.Plan_Enable == 1; }
  CTabList& list() override { return parts_.list; }
  void createBar(const TabBarHost& host) override;
  void showBar(bool shown) override { bar_.show(shown); }
  void layoutBar(const RECT& area) override { bar_.layout(area); }
  void onCommand(int id, int code) override;
  void onShown() override;
  void activateRow(int row) override { tab_.activate(row); }
  void showContextMenu(int row, POINT where) override;
  bool onKeyDown(UINT key) override;
  void onFilesDropped(const std::vector<std::string>& paths) override;
  void onRowDragged(int from, int to) override;
  TabStatus status() override;
  TabColours colours() override;

 private:
  enum Control { kGroup, kSort, kNew, kChange, kRun, kControlCount };
  // PlanTabDialogs
  std::optional<std::string> choosePlanFile() override;
  void showSortMenu();
  void showGroups();

  Parts parts_;
  PlanTab tab_;
  HWND owner_ = nullptr;
  int firstId_ = 0;
  winui::ControlBar bar_;
  std::optional<bool> controlsShownEnabled_;
};

}  // namespace qb
