// The hotkeys and the hook reports of the running program: it registers the multi and plan
// hotkeys, polls for double taps on frame timer 4, installs the input hooks, takes the hook
// library's copy-data reports and the "1234History…" and plan-library pause commands, and turns
// them into call-ups, let-goes and plan runs through `CallUpHost` and `PlanRunRequests`.
//
// The main window forwards WM_HOTKEY to onHotkey(), its frame timers to onTimer() (4, 11, 12
// are taken), and the program's busy state to busyChanged(); the program registers the copy-data
// entries on its router with addCopyDataEntries().
#pragma once
#include <string>

#include "app/settings/environment_settings.h"
#include "app/settings/plan_hotkey_settings.h"
#include "app/shell/copy_data_router.h"
#include "app/shell/shell_timers.h"
#include "hotkeys/call_up_host.h"
#include "hotkeys/double_tap_detector.h"
#include "hotkeys/hook_installer.h"
#include "hotkeys/hotkey_registration.h"
#include "platform/ui.h"

namespace qb {

inline constexpr int kMouseCallUpMilliseconds = 10;
inline constexpr int kPlanMenuRunMilliseconds = 50;

struct HotkeyParts {
  Clock& clock;
  Keyboard& keyboard;
  Ui& ui;
  ShellTimers& timers;
  HotkeyRegistrar& registrar;
  HookLibrary& hooks;
  PlanCatalog& catalog;
  EnvironmentSettings& environment;
  PlanHotkeySettings& planHotkeys;
  CallUpHost& host;
};

class HotkeyController {
 public:
  explicit HotkeyController(HotkeyParts parts);

  // Where plan runs go once the plan tab takes them.
  void setPlanRuns(PlanRunRequests& runs) { planRuns_ = &runs; }

  // Start-up: the multi hotkeys, the plan hotkeys when the plan function is on, the hooks with
  // the main window as receiver, and the double-tap poll (first tick after 50 ms).
  void start(WindowId mainWindow);
  // Shutdown, first step: the hooks go and the timers stop.
  void stop();
  // Shutdown, final step: every registration goes.
  void unregisterAll();

  void addCopyDataEntries(CopyDataRouter& router);
  void onHotkey(int id);
  // Frame timers 4, 11 and 12; false for any other id.
  bool onTimer(int id);
  void busyChanged(bool busy) { installer_.busyChanged(busy); }

  // "ホットキーの一時停止": paused, the double taps and hotkeys do nothing and the hooks are off.
  void togglePause();
  bool paused() const { return paused_; }
  // Set by "0927Plan_HotKeyStop", cleared by "0927Plan_HotKeyStart".
  bool planClipboard() const { return planStopped_; }

  // The hotkey settings changed: registered again, the hooks installed again.
  void settingsChanged();
  // The plans of a group or the group names changed: the plan menu lists them anew.
  void planMenuChanged() { installer_.refreshNames(parts_.environment.PlanDir_Ar); }

  // Multi hotkey n as a recognised double tap or its registered hotkey calls it.
  void callUpMultiHotkey(int slot);

  HotkeyRegistration& registration() { return registration_; }
  const HookInstaller& hooks() const { return installer_; }

 private:
  void registerAll();
  void installHooks();
  bool hotkeysBlocked();
  void onDoubleTapTick();
  void onMouseCallUp();
  void onPlanMenuRun();
  void onClickElsewhere();
  void onEdgeArrival();
  void setHistoryCapture(bool on);

  HotkeyParts parts_;
  HotkeyRegistration registration_;
  DoubleTapDetector detector_;
  HookInstaller installer_;
  PlanRunRequests defaultRuns_;
  PlanRunRequests* planRuns_ = &defaultRuns_;
  bool paused_ = false;
  bool planStopped_ = false;
  bool started_ = false;
  std::string planChoice_;
};

}  // namespace qb
