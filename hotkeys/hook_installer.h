// When the input hooks are installed and removed, and what they are told: the switches from the
// settings, then the group names and each group's plan names. The plan menu is stopped while the
// program is busy. The plan files behind the menu's entries are kept, so that a chosen index
// finds the plan the user saw.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/environment_settings.h"
#include "hotkeys/hook_library.h"
#include "hotkeys/plan_catalog.h"

namespace qb {

// The switches the settings ask for; the plan menu also needs the plan function and its library.
HookSwitches HookSwitchesFrom(const EnvironmentSettings& settings, bool planLibraryAvailable);

class HookInstaller {
 public:
  HookInstaller(HookLibrary& library, PlanCatalog& catalog);

  // At start-up: the reports go to this window and every name slot is cleared; nothing is
  // installed yet.
  void start(WindowId mainWindow);
  // Installed only when one of the four switches is on; the names follow.
  void install(const HookSwitches& switches, const std::array<std::string, 10>& groupNames);
  // Removed when they were installed (pause, settings change, exit).
  void remove();
  bool installed() const { return installed_; }
  const HookSwitches& switches() const { return switches_; }

  // A plan group or the group names changed: the installed hooks are sent the names again.
  void refreshNames(const std::array<std::string, 10>& groupNames);

  // The busy state of the program: the plan menu stops while a box or dialog is open.
  void busyChanged(bool busy);

  // The file of the plan at this place of the menu as last sent; empty when there is none.
  std::optional<std::string> planFileAt(int group, int index) const;

 private:
  void sendNames(const std::array<std::string, 10>& groupNames);

  HookLibrary& library_;
  PlanCatalog& catalog_;
  WindowId mainWindow_ = 0;
  HookSwitches switches_;
  bool installed_ = false;
  bool busy_ = false;
  std::array<std::vector<std::string>, kPlanMenuGroupCount> planFiles_;
};

}  // namespace qb
