// The settings of the plan hotkey file "quillboxplan.dat": fifty plan hotkeys.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "app/settings/settings_version.h"

namespace qb {

inline constexpr int kPlanHotkeyCount = 50;

struct PlanHotkeySettings {
  std::string VL;
  std::int32_t PlanHotKeyIdx = 0;
  std::array<std::int32_t, kPlanHotkeyCount> PlanHotKey1{};
  std::array<std::int32_t, kPlanHotkeyCount> PlanHotKey2{};
  std::array<std::int32_t, kPlanHotkeyCount> PlanHotKey3{};
  std::array<std::int32_t, kPlanHotkeyCount> PlanHotKey4{};
  std::array<std::int32_t, kPlanHotkeyCount> PlanHotKeyGroup{};
  std::array<std::string, kPlanHotkeyCount> PlanHotKeyFileName{};

  VersionState version;
};

}  // namespace qb
