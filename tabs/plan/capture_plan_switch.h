// "履歴取得時にプラン呼び出し" of the History tab: the capture plan switched on (chosen from the
// group "履歴取得時呼び出し専用") and off, and the count of captures that could not call it
// because a plan was being edited or run.
#pragma once
#include "app/settings/environment_settings.h"
#include "platform/ui.h"
#include "tabs/plan/plan_chooser.h"
#include "tabs/plan/plan_directory.h"

namespace qb {

// The captures for which the capture plan was not called (the capture plan counts them).
class SkippedCaptures {
 public:
  virtual ~SkippedCaptures() = default;
  virtual int count() const = 0;
  virtual void reset() = 0;
};

class CapturePlanSwitch {
 public:
  CapturePlanSwitch(EnvironmentSettings& environment, PlanDirectory& directory, Ui& ui,
                    PlanChooser& chooser, SkippedCaptures& skipped);

  bool isOn() const { return environment_.RirekiGetPlanFlg != 0; }
  // Off: the choice of a plan (nothing happens when the group is empty or the window is
  // cancelled). On: the question whether to stop calling it. True when the switch changed.
  bool toggle();

 private:
  bool switchOn();
  bool switchOff();

  EnvironmentSettings& environment_;
  PlanDirectory& directory_;
  Ui& ui_;
  PlanChooser& chooser_;
  SkippedCaptures& skipped_;
};

}  // namespace qb
