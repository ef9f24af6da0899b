// The input-hook library qlbxhook.dll, bound by ordinal at load time.
#pragma once
#include "hotkeys/hook_library.h"

namespace qb {

class Win32HookLibrary : public HookLibrary {
 public:
  void initialize() override;
  void install(WindowId mainWindow, const HookSwitches& switches) override;
  void remove() override;
  void setPlanNames(int group, const std::string& names) override;
  void setGroupNames(const std::string& names) override;
  void stopPlanMenu(bool stopped) override;
};

}  // namespace qb
