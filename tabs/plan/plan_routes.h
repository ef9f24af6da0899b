// The ways a user runs a plan, besides capture: from the Plan tab (`m_PlanGo`), from
// "プラン呼び出し" of another tab (`m_PlanCallGo`), by a plan hotkey, and from the hook library's
// plan popup menu (the choice the hotkey controller takes from "MouseHook4" and hands on at
// timer 12). Each reads the plan's file and hands the run to the plan thread.
//
// Input texts: a Plan-tab run, a hotkey and the popup menu start from an empty text, so the
// plan takes what it works on from the working window (the standard text plans copy the
// selection); "プラン呼び出し" starts from the value of the row it was called on.
#pragma once
#include <string>
#include <string_view>

#include "app/settings/environment_settings.h"
#include "hotkeys/call_up_host.h"
#include "platform/ui.h"
#include "tabs/plan/plan_directory.h"
#include "tabs/plan/plan_thread_port.h"
#include "tabs/plan/plan_store.h"

namespace qb {

inline constexpr std::string_view kPlanBusyMessage =
    "プランの編集、または実行中のため操作できません。";
inline constexpr std::string_view kPlanRunRefusedMessage =
    "次の状態ではプランの実行はできません。　\n　・プランの実行中\n　・プランの編集中\n"
    "　・Quillboxのサブウィンドウ表示中　";

struct PlanRouteParts {
  PlanStore& store;
  PlanDirectory& directory;
  PlanThreadPort& requests;
  Ui& ui;
  EnvironmentSettings& environment;
};

class PlanRoutes : public PlanRunRequests {
 public:
  explicit PlanRoutes(PlanRouteParts parts);

  // A plan of a group by its file name. 0 when the run was handed on, -1 when refused or the
  // plan could not be read (reported).
  int m_PlanGo(int group, std::string_view fileName, std::string_view input, bool hideMainWindow);
  // The plan at `position` of the group "プラン呼び出し専用", on the called row's value.
  int m_PlanCallGo(int position, std::string_view input, bool hideMainWindow);

  // The plan of a plan hotkey (the hotkey of identifier 768 + k fired): its group and file.
  int runHotkeyPlan(int group, std::string_view fileName);
  // Entry `index` of `group` in the plan popup menu; `fileName` is the plan the menu listed
  // there, empty when unknown (then the entry's plan of the group's current order runs).
  int runMenuPlan(int group, int index, std::string_view fileName);

  // PlanRunRequests: the hotkey controller's plan hotkeys and popup-menu choices.
  void runPlanOfHotkey(int, int group, const std::string& fileName) override {
    runHotkeyPlan(group, fileName);
  }
  void runPlanFromMenu(int group, int index, const std::string& fileName) override {
    runMenuPlan(group, index, fileName);
  }

 private:
  int run(int group, std::string_view fileName, std::string_view input, bool hideMainWindow,
          std::string_view operation);
  // Runs asked for from outside the tab refuse while a plan is edited or run, or while a dialog
  // or message box of the program is open.
  bool refusedFromOutside();

  PlanRouteParts parts_;
};

}  // namespace qb
