// The input-hook library as the main program uses it (its exports 2-7).
#pragma once
#include <string>

#include "platform/desktop.h"

namespace qb {

// What the hooks do once installed; the main window receives their reports.
struct HookSwitches {
  bool leftEdge = false;     // MouseEdgeLeft
  bool rightEdge = false;    // MouseEdgeRight
  bool planMenu = false;     // PlanMenu, with the plan function on and its library there
  bool clickReport = false;  // NoActClose
  int currentPlanGroup = 0;  // PlanMenuNowGroup
  bool any() const { return leftEdge || rightEdge || planMenu || clickReport; }
  bool operator==(const HookSwitches&) const = default;
};

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;
  virtual void initialize() = 0;  // HookInitProc: every name slot empty
  virtual void install(WindowId mainWindow, const HookSwitches& switches) = 0;  // SetHook
  virtual void remove() = 0;  // ResetHook
  // The plan names of one group, or the ten group names, joined with CR LF.
  virtual void setPlanNames(int group, const std::string& names) = 0;
  virtual void setGroupNames(const std::string& names) = 0;
  virtual void stopPlanMenu(bool stopped) = 0;  // HookPlanMenuStop
};

}  // namespace qb
