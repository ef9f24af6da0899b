// The Plan tab in the running program: its store, list, directory and standard-plan installer
// (made at start-up, so that the plans are installed before the lists are shown), and, once the
// window and the plan thread exist, the routes by which plans run, the "プラン呼び出し" submenu
// of the other tabs, the capture plan switch and the tab's view. The program creates it early
// and wires it in with a few calls.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/win32/plan/program_plans.h"
#include "app/win32/plan_adapters.h"
#include "app/win32/plan_tab_view.h"
#include "tabs/plan/capture_plan_switch.h"
#include "tabs/plan/plan_call_menu.h"
#include "tabs/plan/plan_routes.h"
#include "tabs/plan/plan_tab_unit.h"

namespace qb {

struct PlanTabWiringParts {
  FileSystem& fs;
  Clock& clock;
  Ui& ui;
  Settings& settings;
  std::string dataHome;  // ends in a backslash
  std::string userId;    // the user the editor writes into a plan and checks its lock against
  std::wstring dialogFont;
  std::function<void()> refreshList;
  // Before a run that pastes into the working window: the main window lets go.
  std::function<void()> letGo;
};

class PlanTabWiring : private PlanThreadPort, private SkippedCaptures {
 public:
  explicit PlanTabWiring(PlanTabWiringParts parts);

  // Start-up: the standard plans when due, the directory, the list of the group shown.
  void start() { unit_.start(); }
  // The main window owns the plan windows; the plan thread takes the runs.
  void attach(HWND owner, ProgramPlans* plans);

  std::unique_ptr<TabView> makeView();
  // The plan thread took or ended a request.
  void planStateChanged();

  CPlanList& list() { return unit_.list(); }
  PlanDirectory& directory() { return unit_.directory(); }
  StandardPlanInstaller& installer() { return unit_.installer(); }
  PlanRoutes& routes() { return routes_; }
  PlanCallMenu& callMenu() { return callMenu_; }
  // "履歴取得時にプラン呼び出し".
  bool toggleCapturePlan() { return capturePlan_.toggle(); }

 private:
  // PlanThreadPort
  bool busy() const override { return plans_ && plans_->planBusy(); }
  void requestRun(PlanRunInputs inputs) override;
  bool requestEdit(PlanEditInputs inputs,
                   std::function<void(const PlanEditInputs&, const PlanEditOutcome&)> edited) override;
  // SkippedCaptures
  int count() const override { return plans_ ? plans_->skippedCaptures() : 0; }
  void reset() override {
    if (plans_) plans_->resetSkippedCaptures();
  }

  PlanTabWiringParts parts_;
  Win32PlanDataLibrary library_;
  PlanTabUnit unit_;
  Win32PlanChooser chooser_;
  PlanRoutes routes_;
  PlanCallMenu callMenu_;
  CapturePlanSwitch capturePlan_;
  ProgramPlans* plans_ = nullptr;
  PlanTabView* view_ = nullptr;
};

}  // namespace qb
