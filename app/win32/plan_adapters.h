// The Plan tab's outside things on Windows: plandata.dll loaded by name and the plan selection
// window.
#pragma once
#include <windows.h>

#include <string>

#include "platform/ui.h"
#include "tabs/plan/plan_chooser.h"
#include "tabs/plan/plan_data_library.h"

namespace qb {

class Win32PlanDataLibrary : public PlanDataLibrary {
 public:
  std::unique_ptr<PlanDataModule> load() override;
};

// The plan selection window on the main window.
class Win32PlanChooser : public PlanChooser {
 public:
  Win32PlanChooser(HWND owner, Ui& ui, std::wstring font)
      : owner_(owner), ui_(ui), font_(std::move(font)) {}
  void setOwner(HWND owner) { owner_ = owner; }
  std::optional<int> choose(std::string_view caption, std::string_view note,
                            const std::vector<std::string>& names) override;

 private:
  HWND owner_;
  Ui& ui_;
  std::wstring font_;
};

}  // namespace qb
