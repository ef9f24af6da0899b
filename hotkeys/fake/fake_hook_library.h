// The hook library for tests: what the program told it, in order.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "hotkeys/hook_library.h"

namespace qb {

class FakeHookLibrary : public HookLibrary {
 public:
  void initialize() override;
  void install(WindowId mainWindow, const HookSwitches& switches) override;
  void remove() override;
  void setPlanNames(int group, const std::string& names) override;
  void setGroupNames(const std::string& names) override;
  void stopPlanMenu(bool stopped) override;

  bool installed() const { return installed_; }
  const HookSwitches& switches() const { return switches_; }
  WindowId receiver() const { return receiver_; }
  const std::array<std::string, 10>& planNames() const { return planNames_; }
  const std::string& groupNames() const { return groupNames_; }
  bool planMenuStopped() const { return stopped_; }
  // "init", "install", "remove", "groups", "plans <g>", "stop <0|1>".
  const std::vector<std::string>& log() const { return log_; }

 private:
  bool installed_ = false;
  HookSwitches switches_;
  WindowId receiver_ = 0;
  std::array<std::string, 10> planNames_{};
  std::string groupNames_;
  bool stopped_ = false;
  std::vector<std::string> log_;
};

}  // namespace qb
