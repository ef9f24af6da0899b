// The Plan tab's parts as the program owns them: the store of the ten groups, the directory the
// menus read, the standard-plan installer and the list, connected so that every change of a
// group reaches the directory (whose `changed` the program points at the hook library's menu).
#pragma once
#include <string>

#include "app/settings/settings.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/ui.h"
#include "tabs/plan/plan_directory.h"
#include "tabs/plan/plan_list.h"
#include "tabs/plan/plan_store.h"
#include "tabs/plan/standard_plan_installer.h"

namespace qb {

struct PlanTabUnitParts {
  FileSystem& fs;
  Clock& clock;
  Ui& ui;
  Settings& settings;
  PlanDataLibrary& library;
  std::string dataHome;   // ends in a backslash
};

class PlanTabUnit {
 public:
  explicit PlanTabUnit(PlanTabUnitParts parts);

  // At start-up: the standard plans when due, then the directory and the list of the group
  // shown.
  void start();

  PlanStore& store() { return store_; }
  PlanDirectory& directory() { return directory_; }
  StandardPlanInstaller& installer() { return installer_; }
  CPlanList& list() { return list_; }

 private:
  Settings& settings_;
  PlanStore store_;
  PlanDirectory directory_;
  StandardPlanInstaller installer_;
  CPlanList list_;
};

}  // namespace qb
