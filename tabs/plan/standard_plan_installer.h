// Installing the standard plans of plandata.dll into the plan groups: the set of the group
// "プラン呼び出し専用" (9 plans) and the two sets of "ホットキー呼び出し専用" (3 and 33).
// A set goes in whole or not at all.
#pragma once
#include <functional>

#include "app/settings/environment_settings.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "tabs/plan/plan_data_library.h"
#include "tabs/plan/plan_store.h"

namespace qb {

enum class StandardPlanSet { kRireki = 0, kHotKey = 1, kHotKey2 = 2 };

class StandardPlanInstaller {
 public:
  StandardPlanInstaller(PlanDataLibrary& library, PlanStore& store, Ui& ui, Clock& clock);

  // Told after plans were stored into a group.
  std::function<void(int group)> groupChanged;

  // Loads the library, reads the set, checks that the group has room for all of it and stores
  // it. With `skipPresent`, plans whose name the group holds already are left out. 0, or -1
  // after the message (nothing of the set stays stored).
  int install(StandardPlanSet set, bool skipPresent = false);
  // The settings sheet's re-installation: asks first. 0 stored, 1 declined, -1 failed.
  int reinstall(StandardPlanSet set);
  // At start-up: a new settings file, or one of a release before the plan groups, gets all three
  // sets; one of the V3.0x releases is asked whether group 3 becomes "ホットキー呼び出し専用"
  // and gets the second hotkey set.
  void installWhenDue(EnvironmentSettings& environment);

 private:
  DateTime nextCreated(int remaining);

  PlanDataLibrary& library_;
  PlanStore& store_;
  Ui& ui_;
  Clock& clock_;
  std::optional<DateTime> lastCreated_;
};

// The group a set goes into.
int GroupOfSet(StandardPlanSet set);

}  // namespace qb
