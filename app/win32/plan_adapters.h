// The Plan tab's outside things on Windows: plandata.dll loaded by name, and the hook library's
// plan menu slots.
#pragma once
#include "tabs/plan/plan_data_library.h"
#include "tabs/plan/plan_directory.h"

namespace qb {

class Win32PlanDataLibrary : public PlanDataLibrary {
 public:
  std::unique_ptr<PlanDataModule> load() override;
};

class Win32PlanMenuHook : public PlanMenuHook {
 public:
  void setGroupNames(std::string_view names) override;
  void setPlanNames(int group, std::string_view names) override;
};

}  // namespace qb
