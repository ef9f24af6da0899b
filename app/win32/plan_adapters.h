// The Plan tab's outside things on Windows: plandata.dll loaded by name, the hook library's plan
// menu slots, and the plan selection window.
#pragma once
#include <windows.h>

#include <string>

#include "platform/ui.h"
#include "tabs/plan/plan_chooser.h"
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

// The plan selection window on the main window.
class Win32PlanChooser : public PlanChooser {
 public:
  Win32PlanChooser(HWND owner, Ui& ui, std::wstring font)
      : owner_(owner), ui_(ui), font_(std::move(font)) {}
  std::optional<int> choose(std::string_view caption, std::string_view note,
                            const std::vector<std::string>& names) override;

 private:
  HWND owner_;
  Ui& ui_;
  std::wstring font_;
};

}  // namespace qb
