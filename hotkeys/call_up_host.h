// What the hotkeys and the hook reports ask of the main window: its states, the call-up, the tab
// and group to show, and the let-go.
#pragma once
#include <string>

#include "app/tablist/tab_kind.h"

namespace qb {

class CallUpHost {
 public:
  virtual ~CallUpHost() = default;

  virtual bool mainWindowInFront() = 0;
  virtual bool mainWindowShown() = 0;
  virtual bool pointerOverMainWindow() = 0;
  // A message box or dialog of the program is open.
  virtual bool busy() = 0;
  // Closing, pasting, or another state in which the window must not be called up.
  virtual bool occupied() = 0;

  // Places the window for the source (call_up_source) and shows it; linked when asked.
  virtual void callUp(int source, bool link) = 0;
  virtual bool tabShown(TabKind kind) = 0;
  virtual void selectTab(TabKind kind) = 0;
  // The current group (0..9) of the Save, Plan or Stack tab, and a switch to another.
  virtual int currentGroup(TabKind kind) = 0;
  virtual void selectGroup(TabKind kind, int group) = 0;
  virtual void selectRelatedTab(int number) = 0;
  // Lets the window go after a click elsewhere.
  virtual void letGo() = 0;
  // The pointer reached a screen edge: the working window's focus and caret are recorded.
  virtual void recordCaret() = 0;
  // The history capture was switched on again: the clipboard chain is joined anew.
  virtual void resumeCapture() = 0;
};

// Plan runs started by plan hotkeys and the plan popup menu. Each default does nothing: the
// plan tab implements them.
class PlanRunRequests {
 public:
  virtual ~PlanRunRequests() = default;
  // Plan hotkey `slot`: the plan `fileName` of plan group `group`.
  virtual void runPlanOfHotkey(int /*slot*/, int /*group*/, const std::string& /*fileName*/) {}
  // Entry `index` of plan group `group` in the plan menu; `fileName` is the plan file listed
  // there when the menu's names were last sent (empty when unknown).
  virtual void runPlanFromMenu(int /*group*/, int /*index*/, const std::string& /*fileName*/) {}
};

}  // namespace qb
