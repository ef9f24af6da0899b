// The plans of every group in the order the menus list them: the hook library's plan popup
// menu, the "プラン呼び出し" submenu and the capture plan's choice. A menu's position names the
// plan it showed, so the directory is refreshed (and the hook library told) whenever a group
// changes.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/environment_settings.h"
#include "tabs/plan/plan_store.h"

namespace qb {

// The plan menu of the hook library (its group-name and plan-name slots).
class PlanMenuHook {
 public:
  virtual ~PlanMenuHook() = default;
  // Texts joined with CR LF.
  virtual void setGroupNames(std::string_view names) = 0;
  virtual void setPlanNames(int group, std::string_view names) = 0;
};

// The hook library's text slots hold 14000 bytes with their terminating NUL.
inline constexpr std::size_t kPlanMenuSlotBytes = 14000;

// Names joined with CR LF (a line break inside a name becomes a space), whole names only, so
// that the text fits a slot of `slotBytes`.
std::string JoinMenuNames(const std::vector<std::string>& names, std::size_t slotBytes);

class PlanDirectory {
 public:
  // `hook` may be null (no hook library).
  PlanDirectory(PlanStore& store, const EnvironmentSettings& environment, PlanMenuHook* hook);

  // Every group, and the group names.
  void refreshAll();
  void refresh(int group);

  const std::vector<PlanFileInfo>& plans(int group) const;
  // The plan at a menu position, or nothing.
  std::optional<PlanFileInfo> at(int group, int position) const;
  // The name of a group's plan by its file name; empty when the group has no such plan.
  std::string nameOf(int group, std::string_view fileName) const;

 private:
  PlanStore& store_;
  const EnvironmentSettings& environment_;
  PlanMenuHook* hook_;
  std::array<std::vector<PlanFileInfo>, kPlanGroupCount> groups_;
};

}  // namespace qb
